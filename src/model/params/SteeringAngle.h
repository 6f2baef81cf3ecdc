#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace torvane::model {

// Wheels of this type take their angle from a two-entry chooser instead of a number.
inline constexpr int kAngleChooserWheelType = 3;
inline constexpr std::array<std::string_view, 2> kSteeringAngleChoices{"  200\u00B0", "  900\u00B0"};
inline constexpr std::array<std::uint16_t, 2> kSteeringAngleChoiceValues{200, 900};
inline constexpr std::uint16_t kDefaultSteeringAngle = 300;

// Whether a record with these `mode_bits` (wheel type in bits 1-7) uses the chooser.
constexpr bool UsesAngleChooser(std::uint8_t mode_bits) {
  return (mode_bits >> 1) == kAngleChooserWheelType;
}

// Chooser entry showing `angle`; nothing when the angle is neither 200 nor 900.
std::optional<int> AngleToChoice(std::uint16_t angle);
// The angle an entry stores; nothing for an entry outside 0..1.
std::optional<std::uint16_t> ChoiceToAngle(int choice);

}  // namespace torvane::model
