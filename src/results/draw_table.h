#pragma once
// The draws table of the results window: one row per draw of the open database, in file order.
#include <QAbstractTableModel>
#include <vector>

#include "database/draw_record.h"

namespace vtn {

class DrawTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setDraws(std::vector<DrawRecord> draws);
  const std::vector<DrawRecord>& draws() const { return draws_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<DrawRecord> draws_;
};

}  // namespace vtn
