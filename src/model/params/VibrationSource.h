#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace torvane::model {

// Vibration source chooser, kept in bits 3-4 of `vibration_bits`.
inline constexpr std::array<std::string_view, 3> kVibrationSourceNames{" Third Party", " Orignal", " None"};
inline constexpr int kVibrationThirdParty = 0;
inline constexpr int kVibrationOriginal = 1;
inline constexpr int kVibrationNone = 2;

// 0..3; 3 is no chooser entry.
constexpr int VibrationSource(std::uint8_t vibration_bits) {
  return (vibration_bits >> 3) & 0x3;
}

// Replaces bits 3-4 with `source` (its low two bits); the other bits are the firmware's and stay.
constexpr std::uint8_t WithVibrationSource(std::uint8_t vibration_bits, int source) {
  return static_cast<std::uint8_t>((vibration_bits & ~0x18) | ((source & 0x3) << 3));
}

// Chooser text of a source; empty for 3.
std::string_view VibrationSourceName(int source);

}  // namespace torvane::model
