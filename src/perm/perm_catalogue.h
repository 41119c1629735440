#pragma once
// The perm window's fixed texts, kept in one place: the wheel catalogues of both lottery types,
// the fill-mode rows, captions, hints, tally prefixes and messages.
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <span>

#include "perm/perm_wheels.h"

namespace vtn::perm {

using namespace Qt::StringLiterals;

// Lottery type: `Option1` picks six-number lines, `Option2` five-number lines.
enum class Lottery { SixNumber, FiveNumber };

// One row of a wheel catalogue (`List2`).
struct CatalogueRow {
  QLatin1StringView rowText;    // the row shown in `List2`
  Wheel wheel;                  // the wheel Generate runs for this row
  int pool;                     // boxes 0..pool-1 are shown
  QLatin1StringView prompt;     // caption of `La1`
  QLatin1StringView guarantee;  // caption of `lab1`
};

// The catalogue of a lottery type, in row order (six rows for six numbers, four for five).
std::span<const CatalogueRow> catalogue(Lottery lottery);
// Row `row` of that catalogue, or nullptr when there is no such row (no row selected).
const CatalogueRow* catalogueRow(Lottery lottery, int row);

// The rows of the fill-mode list `List1`, in the order the hand-overs add them.
inline constexpr std::array<QLatin1StringView, 7> kFillModeRows{
    "1: Use numbers : Hot 100%"_L1,
    "2: Use numbers : Warm 100%"_L1,
    "3: Use combination of numbers : Warm 75% & Hot 25% mixed"_L1,
    "4: Use combination of numbers : Warm 50% & Hot 50% mixed"_L1,
    "5: Use combination of numbers : Warm 25% & Hot 75% mixed"_L1,
    "6: Use combination of numbers : Cold(H) & Warm(H) & Hot(H):33.3% mixed"_L1,
    "7: Use combination of numbers : My own numbers"_L1,
};
// The mode row that copies each box's own tag into it.
inline constexpr QLatin1StringView kStatisticOrderRow =
    "Use most common by numerical order (Statistic Order findings)"_L1;

namespace text {

// Captions.
inline constexpr QLatin1StringView kWindowCaption = "VTNv3 Perm Wizard"_L1;
inline constexpr QLatin1StringView kNothingSelected = "Nothing currently selected"_L1;  // `La1` at start
inline constexpr QLatin1StringView kSixNumberLottery = "6 Number Lottery"_L1;           // `Option1`
inline constexpr QLatin1StringView kFiveNumberLottery = "5 Number Lottery"_L1;          // `Option2`
inline constexpr QLatin1StringView kGenerate = "Generate"_L1;
inline constexpr QLatin1StringView kGenerateTip = "Generate perm."_L1;
inline constexpr QLatin1StringView kScanForWins = "Scan for wins in perm"_L1;  // `Label1`
inline constexpr QLatin1StringView kScanForWinsTip = "Scan for winning combinations in the perm"_L1;
inline constexpr QLatin1StringView kSendToPrint = "Send to print window"_L1;  // `CmdPrintIt`
inline constexpr QLatin1StringView kSendToPrintTip = "Print perm results"_L1;
inline constexpr QLatin1StringView kHot = "Hot"_L1;
inline constexpr QLatin1StringView kWarm = "Warm"_L1;
inline constexpr QLatin1StringView kCold = "Cold"_L1;
inline constexpr QLatin1StringView kPermResults = "Perm Results"_L1;  // `Label2`
inline constexpr QLatin1StringView kFrameCaption =
    "Perming Wizard , fill in the numbers you wish to use"_L1;  // `Frma`
inline constexpr QLatin1StringView kQuickListTip = "Double Click for quick list"_L1;  // box 8
inline constexpr QLatin1StringView kLabel26Caption =
    "Choose the numbers to use in the perm, complete all fields, then select Generate. This will generate a perm with the least number of lines needed to cover all 3 number combinations."_L1;

// The hint line `lab1` when the window is created: 112 blanks, then the tip.
inline constexpr int kTipIndent = 112;
inline constexpr QLatin1StringView kTip = "Tip: Double click the white text boxes for a quick input list"_L1;
QString initialHint();

// Hints shown while the pointer is over a list; the line break is CRLF.
inline constexpr QLatin1StringView kHotHint =
    "Lists all hot numbers (Most common numbers)\r\nNumbers are marked blue if they are used in the perm"_L1;
inline constexpr QLatin1StringView kWarmHint =
    "Lists all warm numbers\r\nNumbers are marked blue if they are used in the perm"_L1;
inline constexpr QLatin1StringView kColdHint =
    "Lists all cold numbers\r\nNumbers are marked blue if they are used in the perm"_L1;
inline constexpr QLatin1StringView kPermListHint = "These are the numbers you place on the lottery"_L1;

// Win tallies, from six matches down to two.
inline constexpr std::array<QLatin1StringView, 5> kTallyPrefixes{
    "6 ball matchs = : "_L1, "5 ball matchs = : "_L1, "4 ball matchs = : "_L1,
    "3 ball matchs = : "_L1, "2 ball matchs = : "_L1};

// Messages.
inline constexpr QLatin1StringView kSelectAPerm = "Please select a perm to use"_L1;
inline constexpr QLatin1StringView kCannotPerm =
    "VTN can not perm without all numbers filled, there may have been a duplicate number so it was removed, select \"Select my own numbers\" and double click the empty box to enter your number"_L1;
inline constexpr QLatin1StringView kNoDuplicates = "No duplicates please, the results will be inaccurate"_L1;
inline constexpr QLatin1StringView kTypeNumbersToCheck =
    "Type a number into one or more of the 6 white boxes bottom left to see if you have won."_L1;
inline constexpr QLatin1StringView kWonTheLottery = "You have won the lottery!"_L1;
inline constexpr QLatin1StringView kSorryNoWins = "Sorry no wins"_L1;

// The perm report.
inline constexpr QLatin1StringView kReportHead = "Veltrane: Perm Report: Printed on "_L1;
inline constexpr QLatin1StringView kReportLineCount =
    "The above list shows the least number of ball combinations to guarantee a win from your selected numbers, this takes "_L1;
inline constexpr QLatin1StringView kReportLines = " lines"_L1;
inline constexpr QLatin1StringView kReportSelection = "Your selection = "_L1;
inline constexpr QLatin1StringView kReportPrintedBy = "Printed by Veltrane "_L1;
inline constexpr int kReportRuleLength = 131;

}  // namespace text

}  // namespace vtn::perm
