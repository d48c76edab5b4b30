#include "commands/save_changes.h"

#include <functional>

#include "archive/layout_check.h"
#include "archive/load_archive.h"
#include "archive/pak_writer.h"
#include "commands/archive_exchange.h"
#include "commands/save_confirmation.h"
#include "commands/save_paths.h"
#include "platform/fatal.h"
#include "platform/platform_error.h"

namespace commands {

namespace {

// Below this a save is over before a progress bar would be seen.
constexpr std::int64_t progress_threshold = 8 << 20;

std::string not_saved(const std::string& reason) {
  return "The archive was not saved: " + reason + ".\nThe archive is unchanged and the marks are kept.";
}

std::string with_reason(const std::string& what, const std::string& reason) {
  return reason.empty() ? what : what + " (" + reason + ")";
}

// The size pass: the size of every marked entry's file now; keep_entry for
// an unmarked entry and for one whose file is gone (it is saved unchanged).
// The catalogue is left as it is, so that a save that does not happen keeps every mark.
archive::replacement_sizes measure_replacements(const archive::session& state, platform::files& fs) {
  archive::replacement_sizes sizes(state.cat.entries.size(), archive::keep_entry);
  for (std::size_t k = 0; k < sizes.size(); ++k) {
    const archive::entry_type& entry = state.cat.entries[k];
    if (!entry.marked) continue;
    if (const auto size = fs.file_size(entry.replacement)) sizes[k] = *size;
  }
  return sizes;
}

// Why the new archive cannot be written within the 32-bit fields; empty when it can.
std::string size_problem(const archive::session& state, const archive::replacement_sizes& sizes) {
  for (std::size_t k = 0; k < sizes.size(); ++k)
    if (sizes[k] > archive::largest_pak_size)
      return "the file " + state.cat.entries[k].replacement + " is " + std::to_string(sizes[k]) +
             " bytes long; an entry must stay below 2 GiB (2147483648 bytes)";
  const std::int64_t length = archive::new_archive_length(state.cat.entries, sizes);
  if (length > archive::largest_pak_size)
    return "the new archive would be " + std::to_string(length) +
           " bytes long; an archive must stay below 2 GiB (2147483648 bytes)";
  return {};
}

struct closing {
  platform::files& fs;
  platform::file_handle file;
  ~closing() { fs.close(file); }
};

struct hiding_progress {
  platform::main_window& window;
  ~hiding_progress() { window.show_progress(0, 0); }
};

// Writes the new archive into the temporary file and syncs it. Empty on
// success, else what failed. Short reads and writes end the program; a
// replacement that cannot be opened throws after the temporary file is gone.
std::string write_temporary(const archive::session& state, const platform::seams& seams, const std::string& temporary,
                            const archive::replacement_sizes& sizes, std::int32_t& replaced) {
  platform::files& fs = seams.fs;
  // A failed open shows as a short read at the header.
  const platform::file_handle in = fs.open_read(state.archive_path);
  const closing close_in{fs, in};
  fs.remove_file(temporary);  // left by an earlier save that ended on an error
  const platform::file_handle out = fs.create_new(temporary);
  if (out == platform::no_file)
    return with_reason("the temporary file " + temporary + " could not be created", fs.last_error());

  const std::int64_t total = archive::new_archive_length(state.cat.entries, sizes);
  std::function<void(std::int64_t)> progress;
  if (total > progress_threshold) progress = [&](std::int64_t written) { seams.window.show_progress(written, total); };

  // A fatal end (a short read or write) leaves no half-written archive behind.
  const platform::on_fatal_end discard_temporary([&] {
    fs.close(out);
    fs.remove_file(temporary);
  });
  std::string problem;
  try {
    replaced = archive::write_archive(fs, in, out, state.cat.entries, sizes, progress).replaced;
    if (!fs.sync(out)) problem = with_reason("the new archive could not be written to disk", fs.last_error());
  } catch (const platform::platform_error&) {
    fs.close(out);
    fs.remove_file(temporary);
    throw;
  }
  fs.close(out);
  if (!problem.empty()) fs.remove_file(temporary);
  return problem;
}

}  // namespace

save_outcome save_changes(archive::session& state, const platform::seams& seams) {
  if (state.archive_path.empty()) return save_outcome::refused;
  platform::files& fs = seams.fs;
  platform::main_window& window = seams.window;
  const std::string archive_path = state.archive_path;  // the reload replaces the session's copy

  // The writer reads the archive front to back by its packed layout; one that
  // is laid out otherwise would come out corrupted, so it is refused first.
  if (const auto problem = archive::check_layout(fs, archive_path, state.cat.entries)) {
    window.show_message("The archive cannot be saved: " + *problem + "\nNothing was changed.");
    return save_outcome::refused;
  }

  const std::string backup_directory = backup_directory_of(state.game_directory);
  fs.create_directories(backup_directory);  // a failure shows when the backup is made
  const std::string backup_base = backup_directory + file_name_of(archive_path);
  const std::int64_t backup_number = first_free_number(fs, backup_base);

  const platform::question question{confirmation_text(archive_path, numbered(backup_base, backup_number)),
                                    save_caption, platform::buttons::ok_cancel,
                                    pending_replacements(state, fs)};
  if (window.ask(question) != platform::answer::ok) return save_outcome::cancelled;

  const archive::replacement_sizes sizes = measure_replacements(state, fs);
  if (const std::string problem = size_problem(state, sizes); !problem.empty()) {
    window.show_message(not_saved(problem));
    return save_outcome::refused;
  }

  window.set_status(" Writing to Pak...");
  const hiding_progress hide_progress{window};
  const std::string temporary = temporary_path_of(archive_path);
  std::int32_t replaced = 0;
  if (const std::string problem = write_temporary(state, seams, temporary, sizes, replaced); !problem.empty()) {
    window.show_message(not_saved(problem));
    return save_outcome::failed;
  }

  const backup_result backup = make_backup(fs, archive_path, backup_base, backup_number,
                                           [&](std::int64_t done, std::int64_t total) {
                                             if (total > progress_threshold) window.show_progress(done, total);
                                           });
  if (!backup.problem.empty()) {
    fs.remove_file(temporary);
    window.show_message(not_saved("the backup could not be made: " + backup.problem));
    return save_outcome::failed;
  }
  if (!fs.rename_replace(temporary, archive_path)) {
    const std::string problem =
        with_reason("the new archive could not take the name " + archive_path, fs.last_error());
    fs.remove_file(temporary);
    fs.remove_file(backup.path);
    window.show_message(not_saved(problem));
    return save_outcome::failed;
  }
  const bool on_disk = fs.sync_directory(directory_of(archive_path));
  const std::string sync_problem = on_disk ? std::string() : fs.last_error();

  archive::load_archive(state, archive_path, seams);
  if (!on_disk) {
    window.show_message(with_reason("The archive was saved and its backup made as " + backup.path +
                                        ", but the system did not confirm that the new archive's name reached the disk",
                                    sync_problem) + ".");
    return save_outcome::failed;
  }
  window.set_status(" " + archive_path + "  successfully altered.  " + std::to_string(replaced) +
                    " entries were replaced.");
  return save_outcome::saved;
}

}  // namespace commands
