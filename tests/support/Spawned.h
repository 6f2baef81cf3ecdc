#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace torvane::testing {

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace torvane::testing

#ifdef _WIN32
#include "support/SpawnedWindows.h"
#else

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"

extern char** environ;

namespace torvane::testing {

// What Stop gives when the signal could not be sent.
inline constexpr int kStopNotSent = -2;

// A program started with its standard streams on files (standard input, when
// `input` is empty, on a pipe kept open for Type), in the environment plus `env`.
class Spawned {
 public:
  Spawned(std::vector<std::string> args, const std::filesystem::path& output, const std::filesystem::path& errors,
          const std::filesystem::path& input, const std::vector<std::string>& env) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment(env);
    for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int fds[2] = {-1, -1};
    if (input.empty() && ::pipe(fds) == 0) {
      posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
      posix_spawn_file_actions_addclose(&actions, fds[1]);
      input_ = fds[1];
    } else {
      posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (fds[0] >= 0) ::close(fds[0]);
  }
  ~Spawned() {
    if (input_ >= 0) ::close(input_);
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  Spawned(const Spawned&) = delete;
  Spawned& operator=(const Spawned&) = delete;

  bool started() const { return pid_ > 0; }
  bool Type(const std::string& line) {
    const std::string text = line + "\n";
    return ::write(input_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  }
  // Sends `signal` and returns the exit status, or -1.
  int Stop(int signal) {
    if (::kill(pid_, signal) != 0) return kStopNotSent;
    return Wait();
  }
  // The exit status; -1 when it did not exit normally.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
};

}  // namespace torvane::testing

#endif  // _WIN32
