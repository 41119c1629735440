#include "results/draw_table.h"

namespace vtn {
namespace {
// Draw, six balls, bonus, day, date.
constexpr int kColumns = 10;
}  // namespace

void DrawTableModel::setDraws(std::vector<DrawRecord> draws) {
  beginResetModel();
  draws_ = std::move(draws);
  endResetModel();
}

int DrawTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(draws_.size()); }

int DrawTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant DrawTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(draws_.size())) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  const DrawRecord& d = draws_[size_t(index.row())];
  const int c = index.column();
  if (c == 0) return int(d.Number);
  if (c <= 6) return d.Balls[size_t(c - 1)];
  if (c == 7) return d.Bonus;
  if (c == 8) return d.Day;
  return d.Date;
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  switch (section) {
    case 0: return QStringLiteral("Draw");
    case 7: return QStringLiteral("Bonus");
    case 8: return QStringLiteral("Day");
    case 9: return QStringLiteral("Date");
    default: return QString::number(section);
  }
}

}  // namespace vtn
