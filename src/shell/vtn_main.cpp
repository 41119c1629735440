// VTNv3_8: lottery draw results and analyses.
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "common/message.h"
#include "shell/main_frame.h"

namespace {
// The program's icon: a lottery ball.
QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(size * 0.35, size * 0.35, size * 0.7);
    shine.setColorAt(0, QColor(255, 236, 150));
    shine.setColorAt(1, QColor(214, 130, 20));
    painter.setBrush(shine);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(size * 0.25, size * 0.25, size * 0.5, size * 0.5));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, int(size * 0.3)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("7"));
    icon.addPixmap(pixmap);
  }
  return icon;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(vtn::kProgramTitle);
  QApplication::setOrganizationName(QStringLiteral("Halvoren"));
  QApplication::setWindowIcon(programIcon());
  vtn::frmMain main;
  main.show();
  main.Form_Load();
  return QApplication::exec();
}
