#pragma once

#include <cstdint>
#include <span>
#include <type_traits>

namespace torvane::model {

// The raw bytes of a packed region or record, for transfers and digests.
template <typename T>
std::span<std::uint8_t, sizeof(T)> BytesOf(T& object) {
  static_assert(std::is_trivially_copyable_v<T>);
  return std::span<std::uint8_t, sizeof(T)>(reinterpret_cast<std::uint8_t*>(&object), sizeof(T));
}

template <typename T>
std::span<const std::uint8_t, sizeof(T)> BytesOf(const T& object) {
  static_assert(std::is_trivially_copyable_v<T>);
  return std::span<const std::uint8_t, sizeof(T)>(reinterpret_cast<const std::uint8_t*>(&object), sizeof(T));
}

}  // namespace torvane::model
