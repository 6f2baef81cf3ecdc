#pragma once

#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

#include "model/RegionBytes.h"

namespace torvane::testing {

// Bytes copied out to compare, edit or write: of a span, or of a packed region, record or file image.
template <typename T>
std::vector<std::uint8_t> ByteVector(const T& source) {
  if constexpr (std::is_convertible_v<const T&, std::span<const std::uint8_t>>) {
    const std::span<const std::uint8_t> bytes = source;
    return {bytes.begin(), bytes.end()};
  } else {
    return ByteVector(model::BytesOf(source));
  }
}

}  // namespace torvane::testing
