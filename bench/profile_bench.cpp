// Profile writes on a real file in a temporary folder: the conquest reset (75 owners and ten
// accounts) and one setting toggle, each as the game makes them.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "conquest/kuni_state.h"
#include "engine/host.h"
#include "shell/profile.h"

namespace {

struct NoBox final : quintrick::IMessageBox {
    int ShowMessage(int, std::string_view, int) override { return quintrick::IDYES; }
};

void BM_ResetKunitori(benchmark::State& state) {
    QTemporaryDir dir;
    quintrick::CProfile profile(dir.filePath(QStringLiteral("Quintrick.conf")));
    NoBox box;
    for (auto _ : state) quintrick::ResetKunitori(profile, box, false);
}
BENCHMARK(BM_ResetKunitori)->Unit(benchmark::kMillisecond);

void BM_OneSettingWrite(benchmark::State& state) {
    QTemporaryDir dir;
    quintrick::CProfile profile(dir.filePath(QStringLiteral("Quintrick.conf")));
    int value = 0;
    for (auto _ : state) profile.WriteInt("Settei", "Speed", (value ^= 1) ? 5 : 9);
}
BENCHMARK(BM_OneSettingWrite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
