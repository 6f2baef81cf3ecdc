#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace torvane::soak {

// torvane-cli as a player's script runs it on the adapter served at `socket`, its input ended and its output in
// `folder`.
class CommandLine {
 public:
  CommandLine(std::string program, std::string socket, std::filesystem::path folder);

  struct Outcome {
    int code = -1;
    std::string errors;  // standard error
  };
  Outcome Run(const std::vector<std::string>& arguments) const;

 private:
  std::string program_;
  std::string socket_;
  std::filesystem::path folder_;
};

}  // namespace torvane::soak
