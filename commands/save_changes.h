#pragma once
// Saving the marked replacements: a new archive, a numbered backup of the
// old one, and the new archive loaded again.
#include "archive/catalogue.h"
#include "platform/seams.h"

namespace commands {

enum class save_outcome {
  saved,      // the new archive holds the name and is loaded
  cancelled,  // the user said no; only the backup directory may be new
  refused,    // the archive or a replacement cannot be saved; nothing written
  failed,     // a step failed; the user was told what, the old archive holds its name
};

// Checks the archive, asks (caption "Save to Pak"), writes the new archive
// beside the old one, makes the backup, puts the new archive in place and
// loads it. A short read or write ends the program; a replacement file that
// cannot be opened throws platform_error, with the temporary file removed.
save_outcome save_changes(archive::session& state, const platform::seams& seams);

}  // namespace commands
