#include "platform/linux/IconvText.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

namespace torvane::platform {

namespace {

constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

}  // namespace

void* OpenIconv(const char* to, const char* from) {
  const iconv_t converter = ::iconv_open(to, from);
  return converter == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)) ? nullptr : converter;
}

void CloseIconv(void* converter) {
  if (converter != nullptr) ::iconv_close(static_cast<iconv_t>(converter));
}

std::string ConvertWithIconv(void* converter, std::string_view input, std::string_view replacement,
                             const std::function<std::size_t(std::string_view rest)>& skip) {
  const auto cd = static_cast<iconv_t>(converter);
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string output;
  std::array<char, 256> chunk{};
  // iconv takes a non-const pointer but never writes through it.
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  while (true) {
    char* out = chunk.data();
    std::size_t out_left = chunk.size();
    // With the input used up, a null input makes a stateful converter write what it still holds.
    const bool flushing = in_left == 0;
    const std::size_t result =
        flushing ? ::iconv(cd, nullptr, nullptr, &out, &out_left) : ::iconv(cd, &in, &in_left, &out, &out_left);
    const int error = errno;
    output.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));
    if (result != kIconvFailed) {
      if (flushing) break;
    } else if (error != E2BIG) {
      if (flushing) break;
      output.append(replacement);
      const std::size_t step = std::clamp<std::size_t>(skip(std::string_view(in, in_left)), 1, in_left);
      in += step;
      in_left -= step;
    }
  }
  return output;
}

}  // namespace torvane::platform
