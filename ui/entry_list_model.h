#pragma once
// The rows of the entry list, read from the session's catalogue when they
// are painted. The model keeps only what the catalogue does not know: the
// marker field of each row, as a small index into the few marker texts in
// use, so a million rows cost a few megabytes and no objects.
#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/catalogue.h"

namespace ui {

class entry_list_model : public QAbstractTableModel {
 public:
  enum column { marker_column, path_column, name_column, size_column, type_column, column_count };

  explicit entry_list_model(const archive::session& state, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // All rows go; `count` rows with empty markers come. One model reset.
  void reset_rows(std::size_t count);
  std::size_t row_count() const { return marker_ids_.size(); }
  std::string marker(std::size_t row) const;
  void set_marker(std::size_t row, const std::string& text);

 private:
  QString cell_text(std::size_t row, int column) const;

  const archive::session& state_;
  std::vector<std::uint16_t> marker_ids_;   // per row, into marker_texts_
  std::vector<std::string> marker_texts_;   // [0] is the empty marker
};

}  // namespace ui
