#pragma once
// Saving the marked replacements: a new archive, a numbered backup of the
// old one, and the new archive loaded again.
#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

void save_changes(archive::session& state, const platform::seams& seams);

}  // namespace commands
