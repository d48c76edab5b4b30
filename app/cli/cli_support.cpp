#include "app/cli/cli_support.h"

#include <cstdio>

#include "archive/load_archive.h"
#include "platform/locale_info.h"
#include "platform/platform_error.h"
#include "platform/registry.h"

namespace cli {

void console_window::show_message(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

void console_window::show_report(const std::string& text, const std::string&) { print(text); }

void console_window::show_error(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

platform::answer console_window::ask(const platform::question& q) {
  return scripted_answer.value_or(q.choices == platform::buttons::ok_cancel ? platform::answer::ok
                                                                             : platform::answer::cancel);
}

bool open_archive(console& run, const std::string& path) {
  run.state.decimal_separator = platform::user_decimal_separator();
  run.state.game_directory = platform::read_machine_string("SOFTWARE\\Orvane\\Dunmarrow", "InstallDir", "C:\\temp\\");
  return archive::load_archive(run.state, path, run.seams());
}

void print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void print_usage(bool to_stdout) {
  std::FILE* out = to_stdout ? stdout : stderr;
  std::fputs(
      "Usage: stowix-cli COMMAND ARCHIVE [ARGUMENTS]\n"
      "\n"
      "Commands:\n"
      "  list ARCHIVE                 one line per entry: marker|path|name|size|type\n"
      "  info ARCHIVE ENTRY           the report on the first entry that ENTRY names\n"
      "  extract ARCHIVE [ENTRY...]   write entries (all when none is named) as files:\n"
      "      -C DIR                   under DIR, each with its directory (DIR/a/b/c.txt);\n"
      "                               the current directory without -C\n"
      "      --flat                   every entry straight into DIR (DIR/c.txt)\n"
      "      --original               into the game's directories, each into its own\n"
      "      --overwrite=yes|no|ask   existing files: replace, keep, or ask once\n"
      "                               (ask when standard input is a terminal, else no)\n"
      "  replace ARCHIVE ENTRY=FILE...\n"
      "                               put FILE's contents in place of each ENTRY's data\n"
      "                               and save, keeping a numbered backup in the game's\n"
      "                               packs\\Stowix Backups directory\n"
      "      --dry-run                list the replacements, write nothing\n"
      "  check ARCHIVE                whether the archive's layout allows saving\n"
      "\n"
      "ENTRY names an entry by its full stored name with \"/\" (textures/wall.bmp),\n"
      "by #N for row N counted from 1, or by a pattern with * and ?.\n"
      "Exit status: 0 done, 1 failed, 2 wrong call.\n",
      out);
}

}  // namespace cli
