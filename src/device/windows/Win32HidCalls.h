#pragma once

#include <memory>

#include "device/OverlappedHidTransport.h"

namespace torvane::device {

// The overlapped calls on the system's HID device interfaces.
std::unique_ptr<OverlappedHidCalls> MakeWin32HidCalls();

}  // namespace torvane::device
