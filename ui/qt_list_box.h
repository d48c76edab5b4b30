#pragma once
// The core's entry list over the window's view and its selection model.
#include "platform/window_seams.h"

class QTableView;

namespace ui {

class entry_list_model;

class qt_list_box : public platform::list_box {
 public:
  qt_list_box(QTableView& view, entry_list_model& model) : view_(view), model_(model) {}

  void set_enabled(bool enabled) override;
  void reset_rows(std::size_t count) override;
  std::size_t row_count() const override;
  std::size_t selected_count() const override;
  bool is_selected(std::size_t row) const override;
  std::vector<std::size_t> selected_rows() const override;
  void set_selected(std::size_t row) override;
  std::optional<std::size_t> item_index() const override;
  void set_item_index(std::size_t row) override;
  std::string marker(std::size_t row) const override;
  void set_marker(std::size_t row, const std::string& text) override;

 private:
  // The selected rows as sorted, disjoint [first, last] runs, from the
  // selection's ranges: as cheap for a million selected rows as for one.
  std::vector<std::pair<std::size_t, std::size_t>> selected_runs() const;

  QTableView& view_;
  entry_list_model& model_;
};

}  // namespace ui
