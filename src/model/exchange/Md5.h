#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace torvane::model {

using Md5Digest = std::array<std::uint8_t, 16>;

// MD5 of the pieces taken one after the other; nothing when the crypto
// library cannot provide MD5 (a FIPS-only setup, say).
std::optional<Md5Digest> Md5(std::initializer_list<std::span<const std::uint8_t>> pieces);

inline std::optional<Md5Digest> Md5(std::span<const std::uint8_t> bytes) {
  return Md5({bytes});
}

}  // namespace torvane::model
