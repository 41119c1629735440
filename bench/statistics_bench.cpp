// The statistics window driven offscreen: its loading, the scan, and the slowest pointer read-out
// (a ball whose latest draw in that position is the oldest listed draw), on the bundled UK
// database (range 0) and on a generated database of 32767 draws (range 1). The floor is a bare
// loop that reads every draw of the same file and counts its balls by position.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <random>

#include "common/numbers.h"
#include "common/paths.h"
#include "common/settings.h"
#include "controls/form.h"
#include "database/database_file.h"
#include "database/shared_database.h"
#include "statistics/statistic_window.h"

namespace {

using vtn::StatisticWindow;

const QString kUk = QStringLiteral("UK-National-Lottery.dat");
const QString kGenerated = QStringLiteral("Generated-32767.dat");

std::vector<vtn::DrawRecord> generatedDraws() {
  std::mt19937 random(20240607);
  std::vector<vtn::DrawRecord> draws;
  for (int k = 1; k <= vtn::kMaxDraws; ++k) {
    std::array<int, 59> balls{};
    for (int i = 0; i < 59; ++i) balls[size_t(i)] = i + 1;
    std::shuffle(balls.begin(), balls.end(), random);
    std::sort(balls.begin(), balls.begin() + 6);
    vtn::DrawRecord d;
    d.Number = qint16(k);
    for (size_t i = 0; i < 6; ++i) d.Balls[i] = vtn::BallText(balls[i]);
    d.Bonus = vtn::BallText(balls[6]);
    const QDate date = QDate(1994, 11, 19).addDays(3 * k);
    d.Date = vtn::DrawDateText(date, vtn::DateOrder::DayFirst);
    d.Day = vtn::DayCode(date);
    draws.push_back(d);
  }
  return draws;
}

// Makes the database current and open, as the results window leaves it.
bool openDatabase(int which) {
  const QString name = which == 0 ? kUk : kGenerated;
  const QString path = vtn::DataBasesPath(name);
  if (!QFile::exists(path)) {
    if (which == 0) QFile::copy(QStringLiteral(VTN_BUNDLED_DB_DIR "/") + kUk, path);
    else vtn::WriteDatabaseFile(path, generatedDraws());
  }
  vtn::SaveDataBaseName(name);
  return vtn::OpenDatabase(path);
}

StatisticWindow& freshWindow() {
  vtn::Forms::unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return vtn::Forms::get<StatisticWindow>();
}

void pointAt(StatisticWindow& w, int position, int ball) {
  switch (position) {
    case 0: w.ProgressBar8_MouseMove(ball); break;
    case 1: w.ProgressBar7_MouseMove(ball); break;
    case 2: w.ProgressBar3_MouseMove(ball); break;
    case 3: w.ProgressBar4_MouseMove(ball); break;
    case 4: w.ProgressBar5_MouseMove(ball); break;
    default: w.ProgressBar6_MouseMove(ball); break;
  }
}

void BM_StatisticsBareLoopFloor(benchmark::State& state) {
  if (!openDatabase(int(state.range(0)))) state.SkipWithError("cannot open the database");
  const int draws = vtn::DrawCount();
  for (auto _ : state) {
    std::array<std::array<int, 100>, 6> counts{};
    for (int k = 1; k <= draws; ++k) {
      if (!vtn::ReadDraw(k)) state.SkipWithError("a draw could not be read");
      for (size_t p = 0; p < 6; ++p) ++counts[p][size_t(vtn::Val(vtn::CurrentDraw.Balls[p])) % 100];
    }
    benchmark::DoNotOptimize(counts.data());
  }
  state.counters["draws"] = draws;
}
BENCHMARK(BM_StatisticsBareLoopFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StatisticsWindowLoad(benchmark::State& state) {
  if (!openDatabase(int(state.range(0)))) state.SkipWithError("cannot open the database");
  for (auto _ : state) {
    state.PauseTiming();  // closing the previous window is not part of opening one
    vtn::Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
    benchmark::DoNotOptimize(&vtn::Forms::get<StatisticWindow>());
  }
  state.counters["draws"] = vtn::DrawCount();
  vtn::Forms::unloadAll();
}
BENCHMARK(BM_StatisticsWindowLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StatisticsScan(benchmark::State& state) {
  if (!openDatabase(int(state.range(0)))) state.SkipWithError("cannot open the database");
  StatisticWindow& w = freshWindow();
  for (auto _ : state) w.CmdScan_Click();
  state.counters["draws"] = w.LstB1[6]->ListCount();
  vtn::Forms::unloadAll();
}
BENCHMARK(BM_StatisticsScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StatisticsDayFilter(benchmark::State& state) {
  if (!openDatabase(int(state.range(0)))) state.SkipWithError("cannot open the database");
  StatisticWindow& w = freshWindow();
  int row = 0;
  for (auto _ : state) {
    row = row == 0 ? 1 : 0;  // "Saturday", then "All Days": each choice refills the draw list
    w.Combo10->setListIndex(row == 1 ? 1 : 0);
  }
  state.counters["draws"] = vtn::DrawCount();
  vtn::Forms::unloadAll();
}
BENCHMARK(BM_StatisticsDayFilter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StatisticsSlowestReadOut(benchmark::State& state) {
  if (!openDatabase(int(state.range(0)))) state.SkipWithError("cannot open the database");
  StatisticWindow& w = freshWindow();
  w.CmdScan_Click();
  // The ball and position whose latest listed draw is the oldest: the walk crosses the list.
  const QStringList& rows = w.LstB1[6]->Rows();
  int bestRow = int(rows.size()), bestPosition = 0, bestBall = 1;
  for (int p = 0; p < 6; ++p) {
    for (int ball = 1; ball <= 98; ++ball) {
      int latest = -1;
      for (int r = int(rows.size()) - 1; r >= 0 && latest < 0; --r)
        if (vtn::stats::BallAt(rows[r], vtn::stats::kBallColumn[size_t(p)]) == ball) latest = r;
      if (latest >= 0 && latest < bestRow) {
        bestRow = latest;
        bestPosition = p;
        bestBall = ball;
      }
    }
  }
  for (auto _ : state) {
    pointAt(w, bestPosition, bestBall);
    // Alternate with a ball of the latest draw, so every move really moves the selections.
    state.PauseTiming();
    pointAt(w, bestPosition, vtn::stats::BallAt(rows.last(), vtn::stats::kBallColumn[size_t(bestPosition)]));
    state.ResumeTiming();
  }
  state.counters["row"] = bestRow;
  state.counters["position"] = bestPosition + 1;
  state.counters["ball"] = bestBall;
  vtn::Forms::unloadAll();
}
BENCHMARK(BM_StatisticsSlowestReadOut)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
