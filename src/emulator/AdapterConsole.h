#pragma once

#include <string>
#include <string_view>

#include "emulator/VirtualAdapter.h"

namespace torvane::emulator {

// Text commands that drive a running virtual adapter by hand: the stand-alone
// program reads them from its standard input.
class AdapterConsole {
 public:
  explicit AdapterConsole(VirtualAdapter& adapter) : adapter_(adapter) {}

  // Carries out one command line and returns the reply to show.
  std::string Execute(std::string_view line);

  static std::string_view Help();

 private:
  VirtualAdapter& adapter_;
};

}  // namespace torvane::emulator
