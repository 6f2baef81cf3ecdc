#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// UTF-8, as the program holds text and paths, to the UTF-16 the system's calls take, and back. A sequence the other
// side cannot hold becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The errno value the program's texts and checks use for a system error code (GetLastError's).
int ErrnoOf(unsigned long system_error);

}  // namespace torvane::platform
