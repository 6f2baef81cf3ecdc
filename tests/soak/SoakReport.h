#pragma once

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "soak/ResourceFigures.h"

namespace torvane::soak {

// What the soak counted and found, and its verdict.
struct SoakReport {
  // Resident memory may grow at most this much from the middle figure to the end.
  static constexpr long kAllowedGrowthKib = 1024;

  unsigned long long seed = 0;
  int cycles = 0;
  std::map<std::string, int, std::less<>> faults;  // armed, by kind
  int replugs = 0;
  int window_saves_failed = 0;
  int window_saves_recovered = 0;  // the next save wrote every edit
  int window_reads_failed = 0;
  int window_reads_recovered = 0;
  int commands_failed = 0;
  int commands_recovered = 0;
  int restores = 0;  // of the failed commands, those whose write had left the adapter part-way
  int lost_edits = 0;
  std::vector<std::string> failures;  // every check that failed, with its cycle

  // False in a sanitizer build, whose own bookkeeping grows: the growth is shown, not held to the limit.
  bool memory_checked = true;
  ResourceFigures start;
  ResourceFigures middle;
  int middle_cycle = 0;
  ResourceFigures end;
  double seconds = 0;

  void Fail(int cycle, std::string_view what);
  // Lost edits are failures too.
  void Lose(int cycle, std::string_view what);
  // The checks of the figures at the end, added to the failures.
  void CheckFigures();
  bool Passed() const { return failures.empty(); }
  void Print(std::ostream& out) const;
};

}  // namespace torvane::soak
