#pragma once
// A list without a screen: markers, selection and the focused row held in
// memory. The command-line program and the tests use it.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_seams.h"

namespace platform {

class memory_list : public list_box {
 public:
  void set_enabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const { return enabled_; }
  void reset_rows(std::size_t count) override;
  std::size_t row_count() const override { return selected_.size(); }
  std::size_t selected_count() const override;
  bool is_selected(std::size_t row) const override { return row < selected_.size() && selected_[row]; }
  std::vector<std::size_t> selected_rows() const override;
  void set_selected(std::size_t row) override;
  std::optional<std::size_t> item_index() const override { return item_index_; }
  void set_item_index(std::size_t row) override { item_index_ = row; }
  std::string marker(std::size_t row) const override;
  void set_marker(std::size_t row, const std::string& text) override;

  // What a user does with the mouse.
  void select_only(const std::vector<std::size_t>& rows);
  void deselect(std::size_t row);

 private:
  bool enabled_ = false;
  std::map<std::size_t, std::string> markers_;  // rows with a marker; nearly all rows have none
  std::vector<bool> selected_;
  std::optional<std::size_t> item_index_;
};

}  // namespace platform
