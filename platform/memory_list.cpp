#include "platform/memory_list.h"

#include <algorithm>

namespace platform {

void memory_list::reset_rows(std::size_t count) {
  markers_.clear();
  selected_.assign(count, false);
  item_index_.reset();
}

std::size_t memory_list::selected_count() const {
  return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<std::size_t> memory_list::selected_rows() const {
  std::vector<std::size_t> rows;
  for (std::size_t row = 0; row < selected_.size(); ++row)
    if (selected_[row]) rows.push_back(row);
  return rows;
}

void memory_list::set_selected(std::size_t row) {
  if (row < selected_.size()) selected_[row] = true;
}

std::string memory_list::marker(std::size_t row) const {
  const auto found = markers_.find(row);
  return found == markers_.end() ? std::string() : found->second;
}

void memory_list::set_marker(std::size_t row, const std::string& text) {
  if (row >= selected_.size()) return;
  if (text.empty()) markers_.erase(row);
  else markers_[row] = text;
}

void memory_list::select_only(const std::vector<std::size_t>& rows) {
  selected_.assign(selected_.size(), false);
  for (const auto row : rows) set_selected(row);
}

void memory_list::deselect(std::size_t row) {
  if (row < selected_.size()) selected_[row] = false;
}

}  // namespace platform
