#pragma once

#include <memory>

#include "device/Transport.h"

namespace torvane::device {

// The transport to the USB adapter on this operating system.
std::unique_ptr<Transport> MakeUsbTransport();

}  // namespace torvane::device
