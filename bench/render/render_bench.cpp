// SPDX-FileCopyrightText: 2026 Cantabell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Frame composition: CScene::Compose, the picture without the copy to the window.
//   build-bench/bench/render/render_bench --benchmark_repetitions=10
//   --benchmark_report_aggregates_only=true
// "allocs" is the number of heap allocations (malloc calls) per frame.
#include "game/turn_picture.h"
#include "render/scene.h"

#include <QGuiApplication>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>

extern "C" void* __libc_malloc(std::size_t size);

namespace {

std::atomic<long> g_nMallocs {0};

enum EPicture
{
    PictureStart,
    PictureBusy,
    PictureJudgement
};

// Start: banner over the empty staff. Busy: eight smileys, the banner, a held key.
// Judgement: eight smileys, the judgement text and the banner. Key 7 can be toggled so that
// every measured frame differs from the one before.
class CBenchPicture final : public CTurnPicture
{
public:
    explicit CBenchPicture(EPicture picture)
    {
        if (picture == PictureStart)
            return;
        m_nLength = 8;
        for (int i = 0; i < 8; ++i) {
            m_aMelody[i] = i;
            m_aEntered[i] = i % 2 ? i : 7 - i;
        }
        m_nEntered = 8;
        m_abKeyDown[3] = picture == PictureBusy;
        m_bShowResult = picture == PictureJudgement;
        m_bCorrect = true;
    }

    void ToggleLastKey() { m_abKeyDown[7] = !m_abKeyDown[7]; }
};

void BM_Compose(benchmark::State& state)
{
    CBenchPicture picture(static_cast<EPicture>(state.range(0)));
    CScene scene(picture);
    scene.SetDevicePixelRatio(static_cast<qreal>(state.range(1)));
    scene.Compose(); // warm the glyph caches and the bitmaps' masks
    const long before = g_nMallocs.load();
    for (auto _ : state) {
        // An unchanged turn state is not drawn again: every measured frame differs by a key.
        picture.ToggleLastKey();
        scene.Compose();
        benchmark::DoNotOptimize(scene.BackBuffer().constBits());
    }
    state.counters["allocs"] = benchmark::Counter(
        double(g_nMallocs.load() - before), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_Compose)
    ->ArgNames({"picture", "ratio"})
    ->Args({PictureStart, 1})
    ->Args({PictureBusy, 1})
    ->Args({PictureJudgement, 1})
    ->Args({PictureBusy, 2})
    ->Args({PictureJudgement, 2})
    ->Unit(benchmark::kMicrosecond);

} // namespace

// Counts every allocation, then hands it to the C library's own allocator.
extern "C" void* malloc(std::size_t size)
{
    g_nMallocs.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
