// How long loading the UK database takes, and a walk through all of its draws.
#include <benchmark/benchmark.h>

#include "database/shared_database.h"

namespace {

const QString kUkDatabase = QStringLiteral(VTN_BUNDLED_DB_DIR "/UK-National-Lottery.dat");

void BM_OpenAndIndexUkDatabase(benchmark::State& state) {
  for (auto _ : state) {
    if (!vtn::OpenDatabase(kUkDatabase)) state.SkipWithError("cannot open the UK database");
    benchmark::DoNotOptimize(vtn::DrawPositionIndex.data());
  }
  state.counters["draws"] = vtn::DrawCount();
  vtn::CloseDatabase();
}
BENCHMARK(BM_OpenAndIndexUkDatabase)->Unit(benchmark::kMicrosecond);

void BM_ReadEveryUkDraw(benchmark::State& state) {
  if (!vtn::OpenDatabase(kUkDatabase)) state.SkipWithError("cannot open the UK database");
  const int draws = vtn::DrawCount();
  for (auto _ : state) {
    for (int k = 1; k <= draws; ++k) {
      if (!vtn::ReadDraw(k)) state.SkipWithError("a draw could not be read");
      benchmark::DoNotOptimize(vtn::CurrentDraw.Date.constData());
    }
  }
  state.SetItemsProcessed(state.iterations() * draws);
  vtn::CloseDatabase();
}
BENCHMARK(BM_ReadEveryUkDraw)->Unit(benchmark::kMicrosecond);

}  // namespace


