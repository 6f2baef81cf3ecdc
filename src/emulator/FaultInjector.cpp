#include "emulator/FaultInjector.h"

#include "device/ProtocolCodes.h"

namespace torvane::emulator {

void FaultInjector::Arm(Fault fault) {
  if (fault.kind == FaultKind::kEraseNeverAcknowledged) fault.command = device::kCmdEraseFlash;
  // An occurrence of 0 would never come round; it means the next one.
  if (fault.occurrence == 0) fault.occurrence = 1;
  armed_.push_back({fault, 0});
}

std::vector<FaultKind> FaultInjector::OnRequest(std::uint32_t command) {
  std::vector<FaultKind> fired;
  for (auto it = armed_.begin(); it != armed_.end();) {
    if (it->fault.command && *it->fault.command != command) {
      ++it;
      continue;
    }
    if (++it->seen == it->fault.occurrence) {
      fired.push_back(it->fault.kind);
      it = armed_.erase(it);
    } else {
      ++it;
    }
  }
  return fired;
}

}  // namespace torvane::emulator
