#pragma once
// The report on one entry: where it belongs, where its data lies, its size,
// its pending replacement and what its file type is.
#include <cstddef>
#include <optional>
#include <string>

#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

// The report's text on the entry of `row`.
std::string entry_report(const archive::session& state, std::size_t row);
// "Info on File:  " + name.
std::string entry_report_caption(const archive::entry_type& entry);

// The one selected row, when exactly one row is selected.
std::optional<std::size_t> single_selected_row(const platform::list_box& list);

// Shows the report on the one selected row; nothing when the selection is not one row.
void info_on_selected(const archive::session& state, const platform::seams& seams);

}  // namespace commands
