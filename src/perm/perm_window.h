#pragma once
// The perm window: fifteen number boxes put into the lines of one of ten lottery wheels, the
// hot, warm and cold lists with their fill modes, the win check and the perm report.
//
// The results and statistics windows open it by writing its controls directly and calling its
// public procedures DoColorTemp, ListClick, DoQuickList and TextChangeColors.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "controls/buttons.h"
#include "controls/form.h"
#include "controls/frame.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "controls/text_box.h"
#include "perm/perm_wheels.h"

class QMimeData;

namespace vtn {

class FrmTxt : public Form {
  Q_OBJECT
 public:
  FrmTxt();

  static constexpr int kBoxCount = 15;

  // Set by the first refresh of DoQuickList and cleared again by every load, so that the
  // hand-over's own DoQuickList repeats the refresh on the handed-over numbers. It belongs to
  // the program, not to one window object: closing the window keeps it.
  inline static bool FirstRefreshDone = false;

  // --- Controls ---
  Frame* Frma;                                  // the frame of the number boxes (design item 1)
  std::array<TextBox*, kBoxCount> TXTActiveNumbers{};
  std::array<Label*, kBoxCount> Label4{};       // "1".."15"; tags: the handed-over ranking
  Label* La1;                                   // the count prompt of the chosen wheel
  Label* lab1;                                  // the hint line
  OptionButton* Option1;                        // "6 Number Lottery"
  OptionButton* Option2;                        // "5 Number Lottery"
  ListBox* List2;                               // the wheel catalogue
  Label* cmdwizard;                             // "Generate" (design element 1)
  ListBox* List1;                               // the fill-mode rows
  ListBox* ListPerms;                           // sorted, hidden: count-ball rows handed over
  ListBox* LstHot;
  ListBox* LstWarm;
  ListBox* LstCold;
  ListBox* List4;                               // sorted, hidden: Generate's work list
  ListBox* LstSorted;                           // sorted: the generated perm lines
  ListBox* LstQuick;                            // the pick list "01".."99", hidden until opened
  ListBox* LstMainWindowSorted;                 // sorted, hidden
  std::array<TextControl*, 7> Text1{};          // 0..5 win-check boxes, 6 the tally box
  Label* Label26;                               // tag: the de-duplication mark
  Label* Label1;                                // "Scan for wins in perm"
  Label* CmdPrintIt;                            // "Send to print window"
  Label* Labhot;
  Label* Labwarm;
  Label* Labcold;
  Label* Label2;                                // "Perm Results"

  // The row being dragged from a band list.
  QString DragText;

  // --- Window events ---
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;
  void Form_MouseMove();

  // --- Wheel catalogue ---
  void Option1_Click();
  void Option2_Click();
  void List2_Click();

  // --- Generate ---
  void cmdwizard_Click(int Index = 1);
  void FiveNumberPerms();
  void SixNumberPerms();
  void AddOto1LengthNumbers();
  void DoTheNumbers();
  // Runs one wheel over the wheel arguments: its plan text into the hint line, its lines into
  // the perm list (which it does not clear).
  void RunWheel(perm::Wheel wheel);
  // Replaces the perm list with the stored perm of "perm_49.txt".
  void Perm_49();

  // --- Bands and fill modes ---
  void DoColorTemp();
  void MostCommonLocal(std::int16_t WhatNumber);
  void List1_Click();
  void ListClick();
  void AverageCommonLocal();
  void MostCommonStats();

  // --- Number boxes, pick list, drag and drop ---
  void DoQuickList();
  void TextChangeColors(TextControl& TheBox);
  void CheckForDuplicates(TextControl& TextLower, TextControl& TextHigher);
  void TXTActiveNumbers_Change(int Index);
  void TXTActiveNumbers_DblClick(int Index);
  void TXTActiveNumbers_GotFocus(int Index);
  void TXTActiveNumbers_LostFocus(int Index);
  void TXTActiveNumbers_KeyPress(int Index, int& KeyAscii);
  void TXTActiveNumbers_OLEDragDrop(int Index, const QMimeData& Data);
  void BandList_StartDrag(ListBox& list, QMimeData& Data);
  void LstHot_MouseMove();
  void LstWarm_MouseMove();
  void LstCold_MouseMove();
  void LstSorted_MouseMove();
  void Labhot_Click();
  void Labwarm_Click();
  void Labcold_Click();
  void Label4_Click(int Index);
  void LstQuick_Click();
  void Text1_Change(int Index);
  void Text1_LostFocus(int Index);

  // --- Win check and report ---
  void Label1_Click();
  void CmdPrintIt_Click();

 private:
  void layOutControls();
  void wireEvents();
  ListBox* makeList(bool sorted, int left, int top, int width, int height);
  static void makePressedLook(Label& button);

  // Copies of the box texts handed to the wheel, written just before it runs.
  QStringList wheelArgs_;
  // Counts the refills of the pick list, so that a pick can tell whether its own box change
  // refilled the list under it.
  int quickListFills_ = 0;
  // Set while the window closes: focus leaving its boxes then is no user's leaving.
  bool unloaded_ = false;
};

}  // namespace vtn
