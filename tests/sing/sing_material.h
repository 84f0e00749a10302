// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// One note of a test melody as make_material.py wrote it.
struct SSungNote
{
    int nOnsetMs = 0;
    int nEndMs = 0;
    int nMidi = 0;
    int nKey = -1; // expected key, -1 for a black key
};

// One case of the material: the mono samples (48 kHz, -1..1) and the notes they hold.
struct SSungCase
{
    std::vector<float> afSamples;
    std::vector<SSungNote> aNotes;
    int nShift = 0;

    // The keys the case should enter, black keys left out.
    std::vector<int> Keys() const
    {
        std::vector<int> an;
        for (const SSungNote& note : aNotes) {
            if (note.nKey >= 0)
                an.push_back(note.nKey);
        }
        return an;
    }

    // Reads BASE.wav (16-bit PCM, mono or stereo mixed down) and BASE.notes; false on any fault.
    bool Load(const std::string& strBase)
    {
        std::ifstream wav(strBase + ".wav", std::ios::binary);
        std::vector<char> ac(
            (std::istreambuf_iterator<char>(wav)), std::istreambuf_iterator<char>());
        if (ac.size() < 12 || std::memcmp(ac.data(), "RIFF", 4) || std::memcmp(&ac[8], "WAVE", 4))
            return false;
        int nChannels = 0;
        for (std::size_t n = 12; n + 8 <= ac.size();) {
            std::uint32_t nSize = 0;
            std::memcpy(&nSize, &ac[n + 4], 4);
            if (!std::memcmp(&ac[n], "fmt ", 4) && nSize >= 16) {
                std::uint16_t nCh = 0;
                std::memcpy(&nCh, &ac[n + 10], 2);
                nChannels = nCh;
            } else if (!std::memcmp(&ac[n], "data", 4) && nChannels > 0) {
                std::size_t nFrames
                    = std::min<std::size_t>(nSize, ac.size() - n - 8) / 2 / nChannels;
                afSamples.resize(nFrames);
                for (std::size_t i = 0; i < nFrames; ++i) {
                    float f = 0;
                    for (int c = 0; c < nChannels; ++c) {
                        std::int16_t s = 0;
                        std::memcpy(&s, &ac[n + 8 + (i * nChannels + c) * 2], 2);
                        f += s / 32768.0f;
                    }
                    afSamples[i] = f / nChannels;
                }
                break;
            }
            n += 8 + nSize + (nSize & 1);
        }
        std::ifstream notes(strBase + ".notes");
        std::string strWord;
        if (!(notes >> strWord >> nShift) || strWord != "shift")
            return false;
        SSungNote note;
        while (notes >> note.nOnsetMs >> note.nEndMs >> note.nMidi >> note.nKey)
            aNotes.push_back(note);
        return !afSamples.empty();
    }
};
