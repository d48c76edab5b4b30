#pragma once
// Writing entries out as files: the selected entries or all of them, into the
// game's tree (each into its own directory) or straight into a chosen
// directory, with at most one overwrite question per command.
#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

void selected_to_original(archive::session& state, const platform::seams& seams);
void selected_to_specified(archive::session& state, const platform::seams& seams);
void all_to_original(archive::session& state, const platform::seams& seams);
void all_to_specified(archive::session& state, const platform::seams& seams);

}  // namespace commands
