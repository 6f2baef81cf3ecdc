#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

namespace torvane::model {

// An integer stored as little-endian bytes with alignment 1, so records can
// overlay flash and file images byte for byte whatever the host's byte order.
template <typename T>
class LittleEndian {
  static_assert(std::is_integral_v<T>);

 public:
  constexpr LittleEndian() = default;
  constexpr LittleEndian(T value) { set(value); }  // NOLINT: stored fields read like plain integers

  constexpr T get() const {
    using U = std::make_unsigned_t<T>;
    U value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      value = static_cast<U>(value | static_cast<U>(static_cast<U>(bytes_[i]) << (8 * i)));
    }
    return static_cast<T>(value);
  }

  constexpr void set(T value) {
    using U = std::make_unsigned_t<T>;
    const U bits = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bytes_[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
  }

  constexpr operator T() const { return get(); }  // NOLINT: see constructor
  constexpr LittleEndian& operator=(T value) {
    set(value);
    return *this;
  }

 private:
  std::array<std::uint8_t, sizeof(T)> bytes_{};
};

using U16le = LittleEndian<std::uint16_t>;
using S16le = LittleEndian<std::int16_t>;
using U32le = LittleEndian<std::uint32_t>;

static_assert(sizeof(U16le) == 2 && alignof(U16le) == 1);
static_assert(sizeof(U32le) == 4 && alignof(U32le) == 1);
static_assert(std::is_trivially_copyable_v<U32le>);

// Reads and writes at byte offsets of a raw image (files, reports).
inline std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace torvane::model
