// The table's composition: RedrawTable with and without the surface, the paint stretched to the
// largest window or composed at the window's size, a resize, and the card-back strip. Each counts
// the CPU time of the whole process: Qt scales large images on worker threads.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>

#include "images/image_files.h"
#include "match_runner.h"
#include "recording_box.h"
#include "table/card_backs.h"
#include "table/table.h"

namespace quintrick {
namespace {

// A table three tricks into a match, with the real images and card sheet.
struct Fixture {
    Fixture() : runner(0, 0, 1), table(runner.m_gs, runner.m_settings, profile, messages) {
        runner.Start();
        runner.RunTricks(3);
        ok = table.BuildSurfaces() && table.LoadCardSheet();
        CardBackContext ctx{table.m_s, profile, messages, {}};
        CCardBackSet composer;
        ok = ok && ComposeHandStrip(ctx, composer);
        // The fans are read from the stored strip, as in the game.
        const QString stored = folder.filePath(QStringLiteral("strip.bmp"));
        ok = ok &&
             SaveBitmapAsImage(table.m_s.m_handStrip, kStripWidth, kStripHeight, stored,
                               QStringLiteral("bmp"), messages, SafeWrite::Cache) &&
             table.m_s.m_handFans.UseFile(stored);
        runner.m_gs.m_discardCount = std::max(runner.m_gs.m_discardCount, 12);
    }
    QTemporaryDir folder;
    MatchRunner runner;
    MemoryProfile profile;
    test::RecordingBox messages;
    CTable table;
    bool ok = false;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

// The reference of the table's budgets: one plain copy of a 1200 x 900 RGB32 frame. The other
// benchmarks are read as multiples of it, measured in the same run.
void BM_CopyFrame(benchmark::State& state) {
    QImage from(1200, 900, QImage::Format_RGB32);
    from.fill(Qt::darkGreen);
    QImage to(1200, 900, QImage::Format_RGB32);
    to.fill(Qt::black);
    for (auto _ : state) {
        std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFrame)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One plain copy of a frame of width x (width / 4) * 3: the unit of the budgets at that size.
void BM_CopyFrameAt(benchmark::State& state) {
    const int width = int(state.range(0));
    QImage from(width, width / 4 * 3, QImage::Format_RGB32);
    from.fill(Qt::darkGreen);
    QImage to(from.size(), QImage::Format_RGB32);
    to.fill(Qt::black);
    for (auto _ : state) {
        std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFrameAt)
    ->Arg(1024)
    ->Arg(1600)
    ->Arg(2400)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Composes the shared table at width / 1200 pixels per unit for the scope.
struct ComposedAt {
    ComposedAt(Fixture& f, int width) : table(f.table) {
        table.SetPixelScale(double(width) / 1200);
        table.m_scales = {float(width) / 1200, float(width) / 1200};
        table.RedrawTable(true);
    }
    ~ComposedAt() {
        table.SetPixelScale(1);
        table.m_scales = {};
        table.RedrawTable(true);
    }
    CTable& table;
};
void BM_RedrawTableWithSurface(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    for (auto _ : state) f.table.RedrawTable(true);
}
BENCHMARK(BM_RedrawTableWithSurface)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_RedrawTableWithoutSurface(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    for (auto _ : state) f.table.RedrawTable(false);
}
BENCHMARK(BM_RedrawTableWithoutSurface)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// Redraws while `value` switches between what it holds and `other` at every step; then puts it
// back.
template <typename T>
void RedrawSwitching(benchmark::State& state, T& value, T other, bool withSurface) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    const T kept = value;
    for (auto _ : state) {
        value = value == kept ? other : kept;
        f.table.RedrawTable(withSurface);
    }
    value = kept;
}

// What a played card costs: one field card comes and goes, so the table surface is drawn and
// projected again every time.
void BM_RedrawTableCardPlayed(benchmark::State& state) {
    CardId& card = Shared().runner.m_gs.m_field[4];
    RedrawSwitching(state, card, card == kNoCard ? CardId(20) : kNoCard, true);
}
BENCHMARK(BM_RedrawTableCardPlayed)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A computer's hand one card shorter and back: its fan is scaled again for the new count.
void BM_RedrawTableHandChanged(benchmark::State& state) {
    int& count = Shared().runner.m_gs.m_handCount[1];
    RedrawSwitching(state, count, count - 1, false);
}
BENCHMARK(BM_RedrawTableHandChanged)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A trick end that took a picture: the table surface is drawn again whole, every sideways
// captured picture turned as it is drawn.
void BM_RedrawTablePictureTaken(benchmark::State& state) {
    auto& takers = Shared().runner.m_gs.m_pictureTaker;
    const auto kept = takers;
    // Eight pictures at each side seat, the most that can lie sideways.
    for (int k = 0; k < kPictureCards; ++k) takers[k] = k % 2 == 0 ? 0 : 3;
    RedrawSwitching(state, takers[0], 3, true);
    takers = kept;
}
BENCHMARK(BM_RedrawTablePictureTaken)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One card turned a quarter turn, as sideways field cards and captured pictures are drawn.
void BM_RotateCard(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    for (auto _ : state) RotateCard(f.table.m_s, 22);
}
BENCHMARK(BM_RotateCard)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The angle drag: a new angle every time, the table projected again.
void BM_RedrawTableAngleDrag(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    double angle = 21;
    for (auto _ : state) {
        angle = angle == 21 ? 21.5 : 21;
        f.table.SetKakudo(angle);
        f.table.RedrawTable(false);
    }
    f.table.SetKakudo(21);
}
BENCHMARK(BM_RedrawTableAngleDrag)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_PaintScaled(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    const int width = int(state.range(0));
    const QSize client(width, width / 4 * 3);
    f.table.m_scales = {float(width) / 1200, float(width) / 1200};
    f.table.RedrawTable(true);
    QImage screen(client, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        f.table.Paint(p, client);
    }
}
BENCHMARK(BM_PaintScaled)
    ->Arg(1200)
    ->Arg(1600)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The paint of a table composed at the window's size: one copy of a frame of that size.
void BM_PaintComposed(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    const int width = int(state.range(0));
    const QSize client(width, width / 4 * 3);
    ComposedAt at(f, width);
    QImage screen(client, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        f.table.Paint(p, client);
    }
}
BENCHMARK(BM_PaintComposed)
    ->Arg(1024)
    ->Arg(1600)
    ->Arg(2400)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// A played card at 1600 x 1200: the redraw composed at that size.
void BM_RedrawCardPlayedAt1600(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    ComposedAt at(f, 1600);
    CardId& card = f.runner.m_gs.m_field[4];
    RedrawSwitching(state, card, card == kNoCard ? CardId(20) : kNoCard, true);
}
BENCHMARK(BM_RedrawCardPlayedAt1600)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A window made 1600 x 1200 and back to 1200 x 900: each time the surfaces are made at the new
// size and the table composed whole (every image drawn at the new scale made again).
void BM_ResizeRebuild(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    for (auto _ : state) {
        f.table.SetPixelScale(4.0 / 3);
        f.table.RedrawTable(true);
        f.table.SetPixelScale(1);
        f.table.RedrawTable(true);
    }
}
BENCHMARK(BM_ResizeRebuild)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One fan of ten cards read from the stored strip (when a hand's count changes).
void BM_ReadFan(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    for (auto _ : state) benchmark::DoNotOptimize(f.table.m_s.m_handFans.Fan(10));
}
BENCHMARK(BM_ReadFan)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_ComposeHandStrip(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) state.SkipWithError("images or card sheet missing");
    CardBackContext ctx{f.table.m_s, f.profile, f.messages, {}};
    for (auto _ : state) {
        CCardBackSet composer;
        benchmark::DoNotOptimize(ComposeHandStrip(ctx, composer));
    }
}
BENCHMARK(BM_ComposeHandStrip)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quintrick

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
