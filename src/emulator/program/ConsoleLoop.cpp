#include "emulator/program/ConsoleLoop.h"

#include <iostream>

namespace torvane::emulator {

bool FeedConsole(AdapterConsole& console, std::string& pending, std::string_view bytes) {
  pending.append(bytes);
  for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
    const std::string line = pending.substr(0, end);
    pending.erase(0, end + 1);
    if (line == "quit") return false;
    std::cout << console.Execute(line) << std::endl;
  }
  return true;
}

}  // namespace torvane::emulator
