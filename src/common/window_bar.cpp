#include "common/window_bar.h"

#include <QHBoxLayout>

#include "controls/colors.h"

namespace vtn {

WindowBar& WindowBar::instance() {
  static WindowBar* bar = new WindowBar;  // lives as long as the program; the main window adopts it
  return *bar;
}

WindowBar::WindowBar() {
  // A closed window's button stays readable on its darker grey.
  setStyleSheet(QStringLiteral("QLabel:disabled { color: rgb(90, 90, 90); }"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(4);
  auto make = [&](const QString& caption) {
    auto* label = new Label(caption, this);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setMinimumWidth(110);
    label->setCursor(Qt::PointingHandCursor);
    MarkClosed(*label);
    layout->addWidget(label);
    return label;
  };
  Label1 = make(QStringLiteral("Results Window"));
  Label6 = make(QStringLiteral("Statistics Window"));
  Label2 = make(QStringLiteral("Sorted Window"));
  Label3 = make(QStringLiteral("Reports Window"));
  Label4 = make(QStringLiteral("Database Window"));
  Label5 = make(QStringLiteral("Perm Window"));
  layout->addStretch(1);
}

void WindowBar::MarkOpen(Label& button) {
  button.setBackColor(kLightGrey);
  button.setEnabled(true);
}

void WindowBar::MarkClosed(Label& button) {
  button.setBackColor(kDarkGrey);
  button.setEnabled(false);
}

bool WindowBar::IsOpen(const Label& button) { return button.BackColor() == kLightGrey; }

}  // namespace vtn
