#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/OverlappedHidTransport.h"

namespace torvane::device {

// Paths of the HID device interfaces present now, as the system spells them.
std::vector<std::string> HidInterfacePaths();

// The overlapped calls on the system's HID device interfaces.
std::unique_ptr<OverlappedHidCalls> MakeWin32HidCalls();

}  // namespace torvane::device
