#include "controls/text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace vtn {

int KeyAsciiOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return -1;
    default:
      break;
  }
  const QString text = event.text();
  if (text.size() != 1 || event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return -1;
  const char16_t c = text.at(0).unicode();
  return (c >= 32 && c < 256) ? int(c) : -1;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), TextControl(this) {
  // Typing runs the change handling once per edit; writes from code go through setText.
  connect(this, &QLineEdit::textEdited, this, [this] { runChange(); });
}

void TextBox::setText(const QString& text) {
  if (text == QLineEdit::text()) return;
  QLineEdit::setText(text);
  runChange();
}

void TextBox::runChange() {
  if (onChange) onChange();
}

void TextBox::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (onPaste && event->matches(QKeySequence::Paste)) {
    event->accept();
    onPaste(QGuiApplication::clipboard()->text());
    return;
  }
  const int original = KeyAsciiOf(*event);
  if (original < 0 || !onKeyPress) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  int key = original;
  onKeyPress(key);
  if (key == 0) {
    event->accept();
    return;
  }
  if (key == original) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent replaced(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(key)));
  QLineEdit::keyPressEvent(&replaced);
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (onGotFocus) onGotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (onLostFocus) onLostFocus();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  if (onDblClick) onDblClick();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  if (onPaste && event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    event->accept();
    onPaste(QGuiApplication::clipboard()->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  if (!onPaste) {
    QLineEdit::contextMenuEvent(event);
    return;
  }
  // The box's own menu, with its Paste handing the clipboard to onPaste.
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QStringLiteral("edit-paste") && !action->text().startsWith(QLineEdit::tr("&Paste")))
      continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { onPaste(QGuiApplication::clipboard()->text()); });
  }
  menu->exec(event->globalPos());
  delete menu;
}

void TextBox::dragEnterEvent(QDragEnterEvent* event) {
  if (onDrop && event->mimeData()->hasText()) event->acceptProposedAction();
  else QLineEdit::dragEnterEvent(event);
}

void TextBox::dragMoveEvent(QDragMoveEvent* event) {
  if (onDrop && event->mimeData()->hasText()) event->acceptProposedAction();
  else QLineEdit::dragMoveEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
  if (!onDrop) {
    QLineEdit::dropEvent(event);
    return;
  }
  event->acceptProposedAction();
  onDrop(*event->mimeData());
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent), TextControl(this) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!writing_ && onChange) onChange();
  });
}

QString TextArea::Text() const {
  // The box keeps line ends as "\n"; the program's texts use CR LF.
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void TextArea::setText(const QString& text) {
  // The box holds every line end as "\n": compare in that form, so that rewriting the same
  // text with "\n" line ends runs nothing.
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (plain == toPlainText()) return;
  writing_ = true;
  setPlainText(plain);
  writing_ = false;
  if (onChange) onChange();
}

}  // namespace vtn
