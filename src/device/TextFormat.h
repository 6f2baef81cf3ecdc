#pragma once

#include <string>

namespace torvane::device {

// printf-style formatting into a string; the compiler checks each format.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace torvane::device
