#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace torvane::platform {

// An iconv converter from `from` to `to`; nullptr when the C library has none.
void* OpenIconv(const char* to, const char* from);
void CloseIconv(void* converter);

// Runs `input` through `converter` from its initial state. Where it meets a
// sequence it cannot convert (or one cut off at the end), `replacement` goes
// out instead and `skip` tells how many bytes of the rest to pass over.
std::string ConvertWithIconv(void* converter, std::string_view input, std::string_view replacement,
                             const std::function<std::size_t(std::string_view rest)>& skip);

}  // namespace torvane::platform
