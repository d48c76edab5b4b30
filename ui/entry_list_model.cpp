#include "ui/entry_list_model.h"

#include <algorithm>
#include <limits>

#include "archive/file_types.h"

namespace ui {

namespace {
const char* const captions[] = {"", "original path (Qel sub-directory)", "filename", "size", "type"};
}

entry_list_model::entry_list_model(const archive::session& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state), marker_texts_{std::string()} {}

int entry_list_model::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // A view counts rows in int; the catalogue never holds more (32-bit directory).
  return static_cast<int>(std::min<std::size_t>(marker_ids_.size(), std::numeric_limits<int>::max()));
}

int entry_list_model::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : column_count; }

QVariant entry_list_model::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.column() < 0 || index.column() >= column_count) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (row >= marker_ids_.size()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return cell_text(row, index.column());
  if (role == Qt::TextAlignmentRole && index.column() == marker_column)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

QString entry_list_model::cell_text(std::size_t row, int column) const {
  if (column == marker_column) return QString::fromStdString(marker(row));
  // Rows outlive the catalogue until the next load (after the window closed).
  if (row >= state_.cat.entries.size()) return {};
  const archive::entry_type& entry = state_.cat.entries[row];
  switch (column) {
    case path_column: return QString::fromStdString(entry.path);
    case name_column: return QString::fromStdString(entry.name);
    case size_column: return QString::fromStdString(archive::size_text(entry.data_size, state_.decimal_separator));
    case type_column: {
      const std::string_view label = archive::type_label_of(archive::extension_of(entry.name));
      return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
    }
    default: return {};
  }
}

QVariant entry_list_model::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= column_count) return {};
  return QString::fromLatin1(captions[section]);
}

void entry_list_model::reset_rows(std::size_t count) {
  beginResetModel();
  marker_ids_.assign(count, 0);
  marker_texts_.assign(1, std::string());
  endResetModel();
}

std::string entry_list_model::marker(std::size_t row) const {
  return row < marker_ids_.size() ? marker_texts_[marker_ids_[row]] : std::string();
}

void entry_list_model::set_marker(std::size_t row, const std::string& text) {
  if (row >= marker_ids_.size()) return;
  auto known = std::find(marker_texts_.begin(), marker_texts_.end(), text);
  if (known == marker_texts_.end()) {
    if (marker_texts_.size() > std::numeric_limits<std::uint16_t>::max()) return;  // never met: markers are "" or " * "
    known = marker_texts_.insert(marker_texts_.end(), text);
  }
  const auto id = static_cast<std::uint16_t>(known - marker_texts_.begin());
  if (marker_ids_[row] == id) return;
  marker_ids_[row] = id;
  const QModelIndex cell = index(static_cast<int>(row), marker_column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

}  // namespace ui
