// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Click to sound: the time from CSound::Play to the moment the audio callback hands the note's
// first sample to the device. The driver is SDL_AUDIODRIVER's (dummy when unset: it runs its
// callback in real time like a sound card). Plays come at random phases of the 256-sample
// buffer, so the figures cover the whole wait for the next callback.
//
//     build-bench/bench/sound/sound_bench
//
// Reports the median, 95th percentile and maximum in ms as counters; the target is one
// buffer (11.6 ms).
#include "audio/wave_out.h"
#include "sound/sound.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> a, double dFraction)
{
    if (a.empty())
        return 0;
    std::sort(a.begin(), a.end());
    return a[static_cast<std::size_t>(dFraction * (a.size() - 1))];
}

void ClickToSound(benchmark::State& state)
{
    CSound sound;
    if (!sound.LoadFromResource(QStringLiteral("A")) || !CWaveOut::Instance().Open()) {
        state.SkipWithError("no sound device or note");
        return;
    }
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> phaseUs(0, 11610);
    std::vector<double> aMs;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::microseconds(phaseUs(random)));
        const std::uint64_t nBefore = CWaveOut::Instance().OnsetCount();
        const auto start = Clock::now();
        if (!sound.Play(false)) {
            state.SkipWithError("Play failed");
            break;
        }
        while (CWaveOut::Instance().OnsetCount() == nBefore)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        const double dSeconds
            = (CWaveOut::Instance().LastOnsetNs() - start.time_since_epoch().count()) * 1e-9;
        state.SetIterationTime(dSeconds);
        aMs.push_back(dSeconds * 1e3);
    }
    state.counters["median_ms"] = Percentile(aMs, 0.5);
    state.counters["p95_ms"] = Percentile(aMs, 0.95);
    state.counters["max_ms"] = Percentile(aMs, 1.0);
    CWaveOut::Instance().Close();
}
BENCHMARK(ClickToSound)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
