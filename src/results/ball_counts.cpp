#include "results/ball_counts.h"

#include <algorithm>

#include "common/numbers.h"
#include "controls/list_box.h"

namespace vtn {

void CountMainBalls(const DrawRecord& draw, BallCounts& counts) {
  for (const QString& ball : draw.Balls) {
    const double value = Val(ball);
    if (value >= 1 && value <= kHighestBall && value == int(value)) ++counts[size_t(value)];
  }
}

QStringList MostCommonRows(const BallCounts& counts) {
  QStringList rows;
  for (int ball = 1; ball <= kHighestBall; ++ball) {
    if (counts[size_t(ball)] > 0) rows << CountBallRow(counts[size_t(ball)], ball, false);
  }
  std::sort(rows.begin(), rows.end(), CountBallLess);
  return rows;
}

}  // namespace vtn
