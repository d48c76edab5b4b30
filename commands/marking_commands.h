#pragma once
// Marking entries for replacement by files on disk, and removing marks.
#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

void selected_by_file(archive::session& state, const platform::seams& seams);
void selected_by_original(archive::session& state, const platform::seams& seams);
void selected_by_specified(archive::session& state, const platform::seams& seams);
void all_by_original(archive::session& state, const platform::seams& seams);
void remove_marker(archive::session& state, const platform::seams& seams);

}  // namespace commands
