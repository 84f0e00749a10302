// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Feeds every rendered melody of the corpus to the listener as the microphone would (blocks of
// 512 samples), each instrument and octave as one player's answers in a row, and prints:
// the share of sung notes entered as the right key (aligned by edit distance), the median time
// from a note's start to its key held (analysis only: the capture adds its block of 10.7 ms and
// the poll of 10 ms at most), and the CPU time of the analysis per second of sound.
#include "sing/aubio_pitch.h"
#include "sing/voice_listener.h"
#include "tests/sing/sing_material.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct SDown
{
    int nKey;
    std::uint64_t nAt; // samples
};

class CDownRecorder : public CKeySink
{
public:
    explicit CDownRecorder(const CVoiceListener& listener)
        : m_listener(listener)
    { }
    void KeyDown(int nKey, int) override { m_aDown.push_back({nKey, m_listener.SamplesFed()}); }
    void KeyUp() override { }
    std::vector<SDown> m_aDown;

private:
    const CVoiceListener& m_listener;
};

// Right notes: the sung keys matched, in order, by an equal entered key (longest common
// subsequence), so that a lost, an extra or a wrong note each cost what they should.
int RightNotes(const std::vector<int>& anSung, const std::vector<int>& anHeard)
{
    std::vector<std::vector<int>> table(anSung.size() + 1, std::vector<int>(anHeard.size() + 1));
    for (std::size_t i = 1; i <= anSung.size(); ++i) {
        for (std::size_t j = 1; j <= anHeard.size(); ++j) {
            table[i][j] = anSung[i - 1] == anHeard[j - 1]
                ? table[i - 1][j - 1] + 1
                : std::max(table[i - 1][j], table[i][j - 1]);
        }
    }
    return table[anSung.size()][anHeard.size()];
}

double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

} // namespace

int main(int argc, char** argv)
{
    // --verbose: every melody's sung and entered keys, for finding what was missed.
    bool bVerbose = argc > 1 && std::string(argv[1]) == "--verbose";
    std::map<std::string, std::vector<std::string>> groups; // "choir_+1" -> its melodies
    DIR* pDir = opendir(CANTABELL_SING_MATERIAL);
    if (!pDir) {
        std::fprintf(stderr, "sing_bench: no corpus at %s\n", CANTABELL_SING_MATERIAL);
        return 1;
    }
    while (dirent* pEntry = readdir(pDir)) {
        std::string strName = pEntry->d_name;
        std::size_t nDot = strName.rfind(".wav");
        std::size_t nLast = strName.rfind('_');
        if (nDot == std::string::npos || strName.find('_') == nLast || nLast == std::string::npos)
            continue; // synthetic cases have one underscore in their name or none
        groups[strName.substr(0, nLast)].push_back(strName.substr(0, nDot));
    }
    closedir(pDir);

    int nSung = 0, nRight = 0, nExtra = 0;
    double fSeconds = 0, fCpu = 0;
    std::vector<double> afLatencyMs;
    for (auto& [strGroup, astrNames] : groups) {
        std::sort(astrNames.begin(), astrNames.end());
        std::string strError;
        CVoiceListener listener(CAubioPitch::Create("yinfft", strError));
        int nGroupSung = 0, nGroupRight = 0;
        for (const std::string& strName : astrNames) {
            SSungCase material;
            if (!material.Load(std::string(CANTABELL_SING_MATERIAL) + "/" + strName))
                return 1;
            CDownRecorder recorder(listener);
            listener.NewAnswer();
            listener.Release(recorder);
            std::uint64_t nStart = listener.SamplesFed();
            double fBefore = ThreadSeconds();
            for (std::size_t n = 0; n < material.afSamples.size(); n += 512) {
                listener.Feed(material.afSamples.data() + n,
                    std::min<std::size_t>(512, material.afSamples.size() - n), recorder);
            }
            fCpu += ThreadSeconds() - fBefore;
            fSeconds += material.afSamples.size() / 48000.0;
            std::vector<int> anHeard;
            for (const SDown& down : recorder.m_aDown)
                anHeard.push_back(down.nKey);
            std::vector<int> anSung = material.Keys();
            nGroupSung += static_cast<int>(anSung.size());
            int nRight = RightNotes(anSung, anHeard);
            nGroupRight += nRight;
            nExtra += static_cast<int>(anHeard.size()) - nRight;
            if (bVerbose
                && (nRight < static_cast<int>(anSung.size())
                    || nRight < static_cast<int>(anHeard.size()))) {
                std::printf("%s:", strName.c_str());
                for (const SSungNote& note : material.aNotes)
                    std::printf(" %d(%d)", note.nKey, note.nMidi);
                std::printf("\n  entered:");
                for (const SDown& down : recorder.m_aDown)
                    std::printf(" %d@%.0f", down.nKey, (down.nAt - nStart) / 48.0);
                std::printf("\n");
            }
            // Latency: the first key held during each note that enters one.
            for (const SSungNote& note : material.aNotes) {
                for (const SDown& down : recorder.m_aDown) {
                    double fAtMs = (down.nAt - nStart) / 48.0;
                    if (fAtMs >= note.nOnsetMs && fAtMs <= note.nEndMs + 100) {
                        afLatencyMs.push_back(fAtMs - note.nOnsetMs);
                        break;
                    }
                }
            }
        }
        std::printf("%-10s %3d notes, %5.1f %% right\n", strGroup.c_str(), nGroupSung,
            100.0 * nGroupRight / std::max(1, nGroupSung));
        nSung += nGroupSung;
        nRight += nGroupRight;
    }
    std::sort(afLatencyMs.begin(), afLatencyMs.end());
    double fMedian = afLatencyMs.empty() ? 0 : afLatencyMs[afLatencyMs.size() / 2];
    std::printf("\nsung notes entered as the right key: %d of %d = %.1f %% (goal >= 97 %%)\n",
        nRight, nSung, 100.0 * nRight / std::max(1, nSung));
    // The share above does not count a key entered where none was sung; in a game it spoils
    // the answer all the same.
    std::printf("keys entered that were not sung: %d\n", nExtra);
    std::printf("note start to key held (analysis): median %.0f ms over %zu notes; + capture "
                "<= 21 ms (goal <= 150 ms)\n",
        fMedian, afLatencyMs.size());
    std::printf("analysis CPU: %.2f %% of one core over %.0f s of sound (goal <= 3 %%)\n",
        100.0 * fCpu / fSeconds, fSeconds);
    return 0;
}
