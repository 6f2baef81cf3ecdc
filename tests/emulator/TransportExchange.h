#pragma once

#include <chrono>

#include "device/Transport.h"

namespace torvane::emulator::reports {

struct Exchange {
  int write = -1;
  int read = -1;
  device::Report answer{};
};

// One request and its answer, as the protocol client does it.
inline Exchange Send(device::Transport& transport, const device::Report& request,
                     std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) {
  Exchange exchange;
  exchange.write = transport.WriteReport(request, timeout);
  if (exchange.write == device::kTransportOk) exchange.read = transport.ReadReport(exchange.answer, timeout);
  return exchange;
}

}  // namespace torvane::emulator::reports
