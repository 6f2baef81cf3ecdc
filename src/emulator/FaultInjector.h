#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "emulator/AdapterFault.h"

namespace torvane::emulator {

// The faults armed on one adapter. Not synchronised; the adapter locks.
class FaultInjector {
 public:
  void Arm(Fault fault);
  void Clear() { armed_.clear(); }
  std::size_t armed() const { return armed_.size(); }

  // Counts one request against every armed fault and returns the kinds that
  // fire on it; those are disarmed.
  std::vector<FaultKind> OnRequest(std::uint32_t command);

 private:
  struct Armed {
    Fault fault;
    unsigned seen = 0;
  };
  std::vector<Armed> armed_;
};

}  // namespace torvane::emulator
