#include "statistics/statistic_rules.h"

#include "common/numbers.h"
#include "statistics/statistic_texts.h"

namespace vtn::stats {
namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QChar kTab = QLatin1Char('\t');

// A bar's value is a whole count; written without a decimal point.
QString countText(float value) { return NumberText(double(value)); }
}  // namespace

QString ScannedDrawRow(const DrawRecord& draw) {
  QStringList parts;
  for (const QString& ball : draw.Balls) parts << ball;
  parts << draw.Date << draw.Day;
  return parts.join(QLatin1Char(' '));
}

bool PassesDayFilter(const QString& filter, const QString& dayCode) {
  if (filter.isEmpty() || filter == text::kAllDays) return true;
  return filter.left(2) == dayCode;
}

int BallAt(const QString& row, int column) { return int(Val(row.mid(column - 1, 2))); }

QString DateOf(const QString& row) { return row.mid(kDateColumn - 1, 8); }

QString AverageText(double drawsScanned, double count) {
  if (count == 0) return QStringLiteral("0");
  return NumberText(drawsScanned / count).left(5);
}

QString PositionRow(float value, int ball) { return CountBallRow(int(value), ball, false); }

int FindPositionRow(const QStringList& rows, float value, int ball) {
  const QString count = countText(value);
  const QString tail = QLatin1Char(' ') + QString::number(ball);
  const QString tries[3] = {QStringLiteral("00") + count + tail, QLatin1Char('0') + count + tail, count + tail};
  for (int k = 0; k < rows.size(); ++k) {
    for (const QString& t : tries)
      if (rows[k] == t) return k;
  }
  return -1;
}

QString ReadoutText(int position, const Readout& r) {
  const auto& w = text::kReadoutWords[size_t(position)];
  const QString b = QString::number(r.ball);
  QString out = b + w[0] + countText(r.value) + text::kTimes + kCrLf;
  out += text::kPosition + QString::number(r.place) + text::kFromRange + QString::number(r.range) + w[1] + kCrLf;
  out += w[2] + AverageText(r.drawsScanned, r.value) + w[3] + kCrLf;
  if (r.distance > 0) out += b + w[4] + QString::number(r.distance) + text::kDrawsAgoOn + r.date;
  else out += b + w[5];
  return out;
}

QStringList CountTableHead() { return {text::kCountTitle, QString(), text::kTableHeader, QString()}; }

QStringList GapTableHead() { return {text::kGapTitle, QString(), text::kTableHeader, QString()}; }

QString CountTableRow(int ball, const std::array<int, kPositions>& counts) {
  QString row = QString::number(ball) + text::kBallMark;
  long long sum = 0;
  for (int c : counts) {
    row += kTab + QString::number(c);
    sum += c;
  }
  return row + kTab + QString::number(sum);
}

QString GapTableRow(int ball, const std::array<QString, kPositions>& gaps) {
  QString row = QString::number(ball) + text::kBallMark;
  double sum = 0;
  for (const QString& g : gaps) {
    row += kTab + g;
    sum += Val(g);
  }
  return row + kTab + QString::number(RoundHalfEven(sum));
}

QString NumberReportHead(int ball, int listedDraws) {
  return text::kReportHead.arg(ball).arg(listedDraws) + kCrLf;
}

QString NumberReportBody(double drawsScanned, const std::array<PositionFacts, kPositions>& facts) {
  QString counts = text::kRule + kCrLf;
  QString ranks, averages, lasts;
  for (size_t k = 0; k < facts.size(); ++k) {
    const PositionFacts& f = facts[k];
    if (f.value == 0) continue;
    counts += kCrLf + text::kCountLine[k] + countText(f.value) + text::kTimes;
    ranks += kCrLf + text::kRankLine[k] + QString::number(f.place) + text::kFromRange + QString::number(f.range);
    averages += kCrLf + text::kAverageLine[k] + AverageText(drawsScanned, f.value) + text::kDraws;
    lasts += kCrLf + text::kLastLine[k] +
             (f.distance > 0 ? QString::number(f.distance) + text::kDrawsAgoOn + f.date : text::kNotInListedDraws);
  }
  return counts + kCrLf + ranks + kCrLf + averages + kCrLf + lasts + kCrLf;
}

QString NumberReportSummary(int ball, float mainBallCount, const QString& drawsScannedTag) {
  const QString b = QString::number(ball);
  return text::kStatisticsFor + b + kCrLf + text::kRule + kCrLf + b + text::kHasAppeared + countText(mainBallCount) +
         text::kTimesIn + drawsScannedTag + text::kAsMainBall + kCrLf;
}

QString NumberPointerSummary(int ball, float mainBallCount, int listedDraws) {
  return QString::number(ball) + text::kAsMainBallPointer + countText(mainBallCount) + text::kTimesIn +
         QString::number(listedDraws) + text::kDraws;
}

QString PlacementReport(const QStringList& countTable, const QStringList& gapTable, const QString& drawsScanned) {
  QString out = text::kPlacementTitle.arg(drawsScanned) + kCrLf + text::kPlacementNote + kCrLf + text::kUnderscores +
                kCrLf + kCrLf;
  const QString header = countTable.value(2);
  out += header + kTab + header + kCrLf;
  for (int i = 4; i < countTable.size(); ++i) out += countTable[i] + kTab + gapTable.value(i) + kCrLf;
  return out;
}

int DominantPosition(const std::array<float, kPositions>& counts) {
  for (int p = 0; p < kPositions; ++p) {
    bool highest = true;
    for (int q = 0; q < kPositions && highest; ++q)
      if (q != p && !(counts[size_t(p)] > counts[size_t(q)])) highest = false;
    if (highest) return p;
  }
  return -1;
}

QString HandOverRow(float value, int ball) {
  if (int(value) == 0 || ball == 0) return QString();
  return CountBallRow(int(value), ball, true);
}

QStringList RankingTags(const QStringList& sortedRows, int count) {
  QStringList tags;
  for (int k = 1; k <= count; ++k) {
    const int at = int(sortedRows.size()) - k;
    tags << (at >= 0 ? BallOfRow(sortedRows[at]) : QStringLiteral("0"));
  }
  return tags;
}

}  // namespace vtn::stats
