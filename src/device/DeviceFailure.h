#pragma once

#include <string>

namespace torvane::device {

// How a request to the adapter failed: the failing step's result (a transport or protocol code) and its text
// ("ReadFlash:Read(86,258)"), as the worker reported them with the failure.
struct DeviceFailure {
  int code = 0;
  std::string text;
};

}  // namespace torvane::device
