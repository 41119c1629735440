#pragma once
// Every text of the statistics window, in one place. Spellings and blanks are the program's own.
#include <QString>
#include <array>

namespace vtn::stats::text {

using namespace Qt::StringLiterals;

inline const QString kCaption = u"Statistics"_s;

// Buttons, tabs and captions.
inline const QString kScan = u"Scan"_s;
inline const QString kScanTip = u"Scan to fill the graph"_s;
inline const QString kMax = u"Max"_s;
inline const QString kMaxTip = u"Scan to fill the graph"_s;
inline const QString kClearMarkers = u"Clear all markers"_s;
inline const QString kPerm = u"Perm"_s;
inline const QString kPermTip = u"Send the information on the left to the perm window"_s;
inline const QString kMakeReport = u"Make Report"_s;
inline const QString kGraphTab = u"Graph"_s;
inline const QString kDataTab = u"Data"_s;
inline const QString kScanTab = u"Draws"_s;
inline const QString kReportTab = u"Report"_s;
inline const QString kViewGraph = u"View information as Graph"_s;
inline const QString kViewText = u"View information as Text"_s;
inline const QString kBoth = u"Both"_s;
inline const QString kFreqancys = u"Freqancys"_s;
inline const QString kApperances = u"Apperances"_s;
inline const QString kLastApperance = u"Last apperance ="_s;
inline const QString kNext = u"Next >"_s;
inline const QString kBack = u"< Back"_s;
inline const QString kRemoveMarkers = u"Remove markers from graph when new draw is shown"_s;
inline const QString kOnlyCurrent = u"Show only current draw results"_s;
inline const QString kDayFilter = u"Draws on"_s;
inline const QString kAllDays = u"All Days"_s;
inline const QString kLabelStart = u"00"_s;

inline const std::array<QString, 7> kChartCaption{
    u"1st ball (the lowest ball of the draw): how often each ball stood there"_s,
    u"2nd ball"_s,
    u"3rd ball"_s,
    u"4th ball"_s,
    u"5th ball"_s,
    u"6th ball (the highest ball of the draw)"_s,
    u"Any position: how often each ball was drawn as a main ball (click a bar for its report)"_s};
inline const std::array<QString, 6> kPositionName{u"1st"_s, u"2nd"_s, u"3rd"_s, u"4th"_s, u"5th"_s, u"6th"_s};
inline const QString kRankingCaption = u"Most frequent first"_s;
inline const QString kPositionListsCaption =
    u"Balls of each position by count (count, ball), the most frequent last"_s;
inline const QString kDrawListCaption = u"Draws that pass the day filter, the oldest first"_s;
inline const QString kReportPage =
    u"\"Make Report\" writes the Ball Placement Report to the report window: how often each ball "
    "stood in each position of the sorted draw, beside the average number of draws between those "
    "appearances.\n\nClick a bar of the any-position graph for the report on one number."_s;

// Messages.
inline const QString kNoDraws =
    u"Sorry! there are no draws to scan, please select a day from the filter list and try again"_s;
inline const QString kScanFirst = u"Please scan first to generate the data needed for the text version of the graph"_s;
inline const QString kFewNumbers =
    u"The perm wizard may not function correctly with this amount of numbers, You need at least 18 diffrent "
    "numbers, VTN will still open the perm wizard but you will have to choose your own numbers."_s;

// The draw display.
inline const QString kShownDraw = u"Draw %1 of %2 listed: %3"_s;

// The text tables.
inline const QString kCountTitle = u"Shows how many times each ball appeared 0 = no show"_s;
inline const QString kGapTitle = u"Shows how many draws past between each ball apperance 0 = no show"_s;
inline const QString kTableHeader = u"Ball\t1st\t2nd\t3rd\t4th\t5th\t6th\tSum"_s;
inline const QString kBallMark = u": ="_s;

// The pointer read-outs.
inline const QString kPosition = u"Position : "_s;
inline const QString kFromRange = u" from a range of "_s;
inline const QString kTimes = u" times"_s;
inline const QString kDrawsAgoOn = u" draws ago on "_s;

// The per-number report.
inline const QString kRule = u"----------------------------------------------------------------"_s;
inline const QString kReportHead = u"VTN Statistic report for number %1 from %2 draws"_s;
inline const QString kStatisticsFor = u"Statistics for ball "_s;
inline const QString kHasAppeared = u" has appeared "_s;
inline const QString kTimesIn = u" times in "_s;
inline const QString kAsMainBall = u" draws as a main ball"_s;
inline const QString kAsMainBallPointer = u" has appeared as a main ball "_s;
inline const QString kDraws = u" draws"_s;
inline const std::array<QString, 6> kCountLine{
    u"Appeared as a 1st ball "_s, u"Appeared as a 2nd ball "_s, u"Appeared as a 3rd ball "_s,
    u"Appeared as a 4th ball "_s, u"Appeared as a 5th ball "_s, u"Appeared as a 6th ball "_s};
inline const std::array<QString, 6> kRankLine{u"1 :Position : "_s, u"2 :Position : "_s, u"3 :Position : "_s,
                                              u"4 :Position : "_s, u"5 :Position : "_s, u"6 :Position : "_s};
inline const std::array<QString, 6> kAverageLine{
    u"Appears as a 1st ball on average every "_s, u"Appears as a 2nd ball on average every "_s,
    u"Appears as a 3rd ball on average every "_s, u"Appears as a 4th ball on average every "_s,
    u"Appears as a 5th ball on average every "_s, u"Appears as a 6th ball on average every "_s};
inline const std::array<QString, 6> kLastLine{
    u"Last appeared as a 1st ball "_s,  u"Last appeared  as a 2nd ball "_s, u"Last appeared  as a 3rd ball "_s,
    u"Last appeared  as a 4th ball "_s, u"Last appeared  as a 5th ball "_s, u"Last appeared  as a 6th ball "_s};
// The six read-outs: line 1 after B, line 2 after LC, line 3 before and after the average,
// line 4 after B, and line 4 after B when no listed draw has the ball in that position.
inline const std::array<std::array<QString, 6>, 6> kReadoutWords{{
    {u" has appeared as a 1st ball "_s, u" numbers "_s, u"Appears as a 1st ball on average every "_s, u" draws "_s,
     u" last appeared as a 1st ball "_s, u" has not appeared as a 1st ball in the listed draws"_s},
    {u" has appeared as a 2nd ball "_s, QString(), u"Appears as a 2nd ball on average every "_s, u" draws "_s,
     u" last appeared as a 2nd ball "_s, u" has not appeared as a 2nd ball in the listed draws"_s},
    {u" has appeared as a 3rd ball "_s, QString(), u"Appears as a 3rd ball on average every "_s, u" draws "_s,
     u" last appeared as a 3rd ball "_s, u" has not appeared as a 3rd ball in the listed draws"_s},
    {u" has appeared as a 4th ball "_s, QString(), u"Appears as a 4th ball on average every "_s, u" draws"_s,
     u" last appeared as a 4th ball "_s, u" has not appeared as a 4th ball in the listed draws"_s},
    {u" has appeared as the 5th ball "_s, QString(), u"Appears as a 5th ball on average every "_s, u" draws "_s,
     u" last appeared as the 5th ball "_s, u" has not appeared as the 5th ball in the listed draws"_s},
    {u" has appeared as a 6th ball "_s, QString(), u"Appears as a 6th ball on average every "_s, u" draws"_s,
     u" last appeared as a 6th ball "_s, u" has not appeared as a 6th ball in the listed draws"_s},
}};
// When the day filter has left no listed draw with the ball in that position.
inline const QString kNotInListedDraws = u"in none of the listed draws"_s;

// The Ball Placement Report.
inline const QString kPlacementTitle = u"Ball Placement Report from %1 draws"_s;
inline const QString kPlacementNote =
    u"Left: how many times each ball appeared in each position of the sorted draw. "
    "Right: the average number of draws between those appearances. 0 = never there"_s;
inline const QString kUnderscores = u"________________________________________________________________"
                                    "________________________________________________________________"_s;

}  // namespace vtn::stats::text
