#pragma once
// Counting balls for the results window's scan.
#include <QStringList>
#include <array>

#include "database/draw_record.h"

namespace vtn {

inline constexpr int kHighestBall = 99;
using BallCounts = std::array<int, kHighestBall + 1>;  // index = ball; 0 unused

// Adds the main balls of one draw; texts that are not balls from 1 to 99 are skipped.
void CountMainBalls(const DrawRecord& draw, BallCounts& counts);

// The most-common list: one count-ball row per ball drawn at least once, the ball without its
// leading zero, in ascending order of count, then of text (so the most drawn ball is the last row).
QStringList MostCommonRows(const BallCounts& counts);

}  // namespace vtn
