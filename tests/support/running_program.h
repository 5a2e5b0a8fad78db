// The game program as a process of its own, for the tests that start the real program: run under a
// script in a start folder of the test's, with a data folder of the test's, its output read as it
// comes. Only test programs that define FARHAVEN_PROGRAM (the program's path) use it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "state/data_folder.h"

extern char** environ;

namespace support {

class RunningProgram {
 public:
  // Starts the program under `script` (written to "steps.script" in `startFolder`) in
  // `startFolder`, with `dataFolder` as its data folder. What it writes on stderr goes to
  // "errors.txt" in the start folder.
  RunningProgram(const std::filesystem::path& startFolder, const std::filesystem::path& dataFolder,
                 const std::string& script)
      : errors_(startFolder / "errors.txt") {
    const std::filesystem::path steps = startFolder / "steps.script";
    std::ofstream(steps) << script;
    std::vector<std::string> environment;
    const std::string named = std::string(state::kDataFolderVariable) + "=";
    for (char** e = environ; *e; ++e)
      if (std::strncmp(*e, named.c_str(), named.size()) != 0) environment.emplace_back(*e);
    environment.push_back(named + dataFolder.string());
    std::vector<char*> env;
    for (std::string& e : environment) env.push_back(e.data());
    env.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, startFolder.c_str());
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string program = FARHAVEN_PROGRAM, scriptPath = steps.string();
    char* args[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--script"),
                    const_cast<char*>(scriptPath.c_str()), nullptr};
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, args, env.data()) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    out_ = out[0];
  }
  ~RunningProgram() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Whether the program printed `line` within a minute (a script's `print` step).
  bool Printed(const std::string& line) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (pid_ > 0 && std::chrono::steady_clock::now() < until) {
      if (seen_.find(line + "\n") != std::string::npos) return true;
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, 200) <= 0) continue;
      char buffer[256];
      const ssize_t n = read(out_, buffer, sizeof buffer);
      if (n <= 0) return false;
      seen_.append(buffer, std::size_t(n));
    }
    return seen_.find(line + "\n") != std::string::npos;
  }
  bool Ready() { return Printed("ready"); }

  // Sends `signal` and waits for the end; the wait status, or -1 after a minute, which only a hang
  // takes (how soon the program ends is bench_exit's figure).
  int EndWith(int signal) {
    kill(pid_, signal);
    return WaitForEnd(std::chrono::seconds(60));
  }

  // Waits for the program to end by itself; the wait status, or -1 when it runs on past `limit`
  // (only a hang takes that long).
  int WaitForEnd(std::chrono::seconds limit = std::chrono::seconds(60)) {
    const auto until = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (pid_ > 0 && std::chrono::steady_clock::now() < until) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = 0;
        return status;
      }
      usleep(20000);
    }
    return -1;
  }

  // What the program wrote on stderr so far.
  std::string Errors() const {
    std::ifstream in(errors_);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
  std::string seen_;
  std::filesystem::path errors_;
};

}  // namespace support
