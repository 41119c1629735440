// The prediction run through the real report and sorted-draws windows, one filter choice in the
// sorted-draws window, and as their floor a bare loop that reads the same file and makes the
// same 45 filter-and-count passes without any window. On the bundled UK database and on a
// generated database of 32767 draws.
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
#include "reports/print_window.h"
#include "sorted/prediction_run.h"
#include "sorted/sorted_texts.h"
#include "sorted/sorted_window.h"

namespace {

const QString kUk = QStringLiteral("UK-National-Lottery.dat");
const QString kGenerated = QStringLiteral("UK-Generated-32767.dat");

void closeWindows() {
  vtn::Forms::unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A database of the most draws a file can hold: a draw a day from 1 January 1994, six different
// balls from 1 to 49 and a bonus, always the same.
void writeGeneratedDatabase(const QString& path) {
  std::mt19937 random(20240305);
  std::uniform_int_distribution<int> ball(1, 49);
  std::vector<vtn::DrawRecord> draws;
  draws.reserve(vtn::kMaxDraws);
  QDate date(1994, 1, 1);
  for (int k = 1; k <= vtn::kMaxDraws; ++k, date = date.addDays(1)) {
    std::array<bool, 50> taken{};
    std::array<int, 7> picked{};
    for (int& b : picked) {
      do b = ball(random);
      while (taken[size_t(b)]);
      taken[size_t(b)] = true;
    }
    std::sort(picked.begin(), picked.begin() + 6);
    vtn::DrawRecord d;
    d.Number = qint16(k);
    for (size_t i = 0; i < 6; ++i) d.Balls[i] = vtn::BallText(picked[i]);
    d.Bonus = vtn::BallText(picked[6]);
    d.Day = vtn::DayCode(date);
    d.Date = vtn::DrawDateText(date, vtn::DateOrder::DayFirst);
    draws.push_back(std::move(d));
  }
  vtn::WriteDatabaseFile(path, draws);
}

// Makes the database current and open, as the results window leaves it.
bool useDatabase(const QString& name) {
  closeWindows();
  const QString path = vtn::DataBasesPath(name);
  if (!QFile::exists(path)) {
    if (name == kGenerated) writeGeneratedDatabase(path);
    else QFile::copy(QStringLiteral(VTN_BUNDLED_DB_DIR "/") + name, path);
  }
  vtn::SaveDataBaseName(name);
  vtn::SaveUsOrUKdate(false);
  if (!vtn::OpenDatabase(path)) return false;
  vtn::ReadDraw(vtn::DrawCount());
  return true;
}

const QString& databaseOf(const benchmark::State& state) { return state.range(0) == 0 ? kUk : kGenerated; }

void BM_SortedPredictionRun(benchmark::State& state) {
  if (!useDatabase(databaseOf(state))) return state.SkipWithError("cannot open the database");
  vtn::InstallPredictionRun();
  vtn::PrintWindow& report = vtn::Forms::get<vtn::PrintWindow>();
  report.Show();
  vtn::Forms::get<vtn::SortedWindow>().Show();
  for (auto _ : state) vtn::Command14_Click(report);
  if (report.List1->ListCount() != 45) state.SkipWithError("the run did not make 45 entry lines");
  state.counters["draws"] = vtn::DrawCount();
  closeWindows();
}
BENCHMARK(BM_SortedPredictionRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same 45 passes without a window: read every record of the file, filter it, count its balls.
void BM_SortedBareLoop(benchmark::State& state) {
  if (!useDatabase(databaseOf(state))) return state.SkipWithError("cannot open the database");
  QStringList months, days;
  for (int i = 1; i <= 12; ++i) months << vtn::BallText(i);
  for (int i = 1; i <= 31; ++i) days << vtn::BallText(i);
  months << vtn::sorted::kAll;
  days << vtn::sorted::kAll;
  std::vector<vtn::sorted::Filters> passes;
  for (const QString& m : months) passes.push_back({vtn::sorted::kAll, m, vtn::sorted::kAll, QStringLiteral("All Days")});
  for (const QString& d : days) passes.push_back({vtn::sorted::kAll, vtn::sorted::kAll, d, QStringLiteral("All Days")});
  const int draws = vtn::DrawCount();
  long long kept = 0;
  for (auto _ : state) {
    for (const vtn::sorted::Filters& filters : passes) {
      std::array<int, 100> counts{};
      for (int k = 1; k <= draws; ++k) {
        vtn::ReadRecordAt(vtn::DrawPositionIndex[size_t(k)]);
        const vtn::DrawRecord& d = vtn::CurrentDraw;
        if (!vtn::sorted::MatchesFilters(d.Date, d.Day, filters)) continue;
        ++kept;
        for (const QString& b : d.Balls) ++counts[size_t(vtn::sorted::BallNumber(b))];
        ++counts[size_t(vtn::sorted::BallNumber(d.Bonus))];
      }
      benchmark::DoNotOptimize(counts.data());
    }
  }
  state.counters["draws"] = draws;
  benchmark::DoNotOptimize(kept);
}
BENCHMARK(BM_SortedBareLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One choice in the month filter, as a user makes it.
void BM_SortedFilterChoice(benchmark::State& state) {
  if (!useDatabase(databaseOf(state))) return state.SkipWithError("cannot open the database");
  vtn::SortedWindow& sorted = vtn::Forms::get<vtn::SortedWindow>();
  sorted.Show();  // a shown window repaints its lists
  int month = 0;
  for (auto _ : state) {
    month = (month + 1) % 13;
    sorted.Combo3->setListIndex(month);
  }
  state.counters["draws"] = vtn::DrawCount();
  closeWindows();
}
BENCHMARK(BM_SortedFilterChoice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
