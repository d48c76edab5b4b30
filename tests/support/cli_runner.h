#pragma once
// Runs stowix-cli (or any program) as a user would and collects what it did.
#include <string>
#include <vector>

namespace testing_support {

struct cli_result {
  int status = -1;       // exit status; -1 when ended by a signal or the time limit
  int signal = 0;        // the signal that ended it, if any
  bool timed_out = false;
  std::string out;
  std::string err;
  long peak_kib = 0;     // the child's peak resident memory
};

struct cli_call {
  std::vector<std::string> arguments;  // without the program
  std::string working_directory;       // empty: this process's
  std::string input;                   // written to standard input, then closed
  std::vector<std::string> environment = {"LC_ALL=C"};  // added to this process's
  int time_limit_seconds = 60;
};

cli_result run_program(const std::string& program, const cli_call& call);

// Runs `program` with arguments written as on a shell's command line, in
// `directory`, with the Wine prefix in directory/prefix and `input` on
// standard input.
cli_result run_command_line(const std::string& program, const std::string& directory, const std::string& arguments,
                            const std::string& input = {});

}  // namespace testing_support
