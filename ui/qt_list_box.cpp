#include "ui/qt_list_box.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "ui/entry_list_model.h"

namespace ui {

void qt_list_box::set_enabled(bool enabled) { view_.setEnabled(enabled); }

void qt_list_box::reset_rows(std::size_t count) {
  model_.reset_rows(count);  // the reset also clears selection and focus
  view_.scrollToTop();
}

std::size_t qt_list_box::row_count() const { return model_.row_count(); }

std::vector<std::pair<std::size_t, std::size_t>> qt_list_box::selected_runs() const {
  std::vector<std::pair<std::size_t, std::size_t>> runs;
  for (const QItemSelectionRange& range : view_.selectionModel()->selection())
    if (range.isValid()) runs.emplace_back(range.top(), range.bottom());
  std::sort(runs.begin(), runs.end());
  std::vector<std::pair<std::size_t, std::size_t>> merged;
  for (const auto& run : runs) {
    if (!merged.empty() && run.first <= merged.back().second + 1)
      merged.back().second = std::max(merged.back().second, run.second);
    else
      merged.push_back(run);
  }
  return merged;
}

std::size_t qt_list_box::selected_count() const {
  std::size_t count = 0;
  for (const auto& [first, last] : selected_runs()) count += last - first + 1;
  return count;
}

bool qt_list_box::is_selected(std::size_t row) const {
  if (row >= model_.row_count()) return false;
  return view_.selectionModel()->isSelected(model_.index(static_cast<int>(row), 0));
}

std::vector<std::size_t> qt_list_box::selected_rows() const {
  std::vector<std::size_t> rows;
  for (const auto& [first, last] : selected_runs())
    for (std::size_t row = first; row <= last; ++row) rows.push_back(row);
  return rows;
}

void qt_list_box::set_selected(std::size_t row) {
  if (row >= model_.row_count()) return;
  view_.selectionModel()->select(model_.index(static_cast<int>(row), 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::optional<std::size_t> qt_list_box::item_index() const {
  const QModelIndex current = view_.selectionModel()->currentIndex();
  if (!current.isValid()) return std::nullopt;
  return static_cast<std::size_t>(current.row());
}

void qt_list_box::set_item_index(std::size_t row) {
  if (row >= model_.row_count()) return;
  view_.selectionModel()->setCurrentIndex(model_.index(static_cast<int>(row), 0), QItemSelectionModel::NoUpdate);
}

std::string qt_list_box::marker(std::size_t row) const { return model_.marker(row); }

void qt_list_box::set_marker(std::size_t row, const std::string& text) { model_.set_marker(row, text); }

}  // namespace ui
