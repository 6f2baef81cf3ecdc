#pragma once

#include <string>
#include <string_view>

#include "model/params/ParsedField.h"

namespace torvane::model {

struct IntRange {
  int min;
  int max;
  constexpr bool contains(int value) const { return value >= min && value <= max; }
};

// Ranges the editors allow for the plain "%d" fields.
inline constexpr IntRange kJoystickDeadzoneRange{1, 127};
inline constexpr IntRange kStickDeadzoneRange{1, 127};
inline constexpr IntRange kVibrationStrengthRange{0, 100};
inline constexpr IntRange kForceFeedbackRange{0, 15};
inline constexpr IntRange kSteeringDeadzoneRange{0, 127};
inline constexpr IntRange kSteeringAngleRange{40, 900};
inline constexpr IntRange kStickStrengthRange{1, 100};
inline constexpr IntRange kAdsDelayRange{0, 6000};

// A stored stick deadzone of 0 becomes this when a configuration is opened.
inline constexpr int kDefaultStickDeadzone = 16;

// "%d".
std::string FormatInteger(int value);
// A whole number (optional blanks and sign, digits only) inside `range`.
ParsedField<int> ParseInteger(std::string_view text, IntRange range);

}  // namespace torvane::model
