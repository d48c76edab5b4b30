#include "support/cli_runner.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

namespace {
void drain(int fd, std::string& into, bool& open) {
  char chunk[65536];
  const ssize_t got = ::read(fd, chunk, sizeof chunk);
  if (got > 0) into.append(chunk, static_cast<std::size_t>(got));
  else if (got == 0 || (errno != EINTR && errno != EAGAIN)) open = false;
}
}  // namespace

cli_result run_program(const std::string& program, const cli_call& call) {
  int out_pipe[2], err_pipe[2], in_pipe[2];
  if (::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0 || ::pipe(in_pipe) != 0) return {};

  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(in_pipe[0], 0);
    ::dup2(out_pipe[1], 1);
    ::dup2(err_pipe[1], 2);
    for (int fd : {in_pipe[0], in_pipe[1], out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) ::close(fd);
    if (!call.working_directory.empty() && ::chdir(call.working_directory.c_str()) != 0) ::_exit(127);
    for (const auto& setting : call.environment) ::putenv(const_cast<char*>(setting.c_str()));
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const auto& argument : call.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(in_pipe[0]);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  if (!call.input.empty()) (void)!::write(in_pipe[1], call.input.data(), call.input.size());
  ::close(in_pipe[1]);

  cli_result result;
  bool out_open = true, err_open = true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(call.time_limit_seconds);
  while (out_open || err_open) {
    pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
    const int ready = ::poll(fds, 2, 200);
    if (ready > 0) {
      if (out_open && (fds[0].revents & (POLLIN | POLLHUP))) drain(out_pipe[0], result.out, out_open);
      if (err_open && (fds[1].revents & (POLLIN | POLLHUP))) drain(err_pipe[0], result.err, err_open);
    }
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      result.timed_out = true;
      break;
    }
  }
  ::close(out_pipe[0]);
  ::close(err_pipe[0]);

  int status = 0;
  rusage usage{};
  while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  result.peak_kib = usage.ru_maxrss;
  if (WIFEXITED(status) && !result.timed_out) result.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

cli_result run_command_line(const std::string& program, const std::string& directory, const std::string& arguments,
                            const std::string& input) {
  cli_call call;
  call.arguments = {"-c", "exec \"$0\" " + arguments, program};
  call.working_directory = directory;
  call.input = input;
  call.environment.push_back("WINEPREFIX=" + directory + "/prefix");
  return run_program("/bin/sh", call);
}

}  // namespace testing_support
