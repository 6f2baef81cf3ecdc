#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/keys/KeyCodes.h"

namespace torvane::model {

// The four flight stick axes, each a nibble of `flight_axis_map` (roll lowest).
enum FlightAxis : int { kAxisRoll = 0, kAxisPitch, kAxisYaw, kAxisThrottle, kFlightAxisCount };

// What an axis drives; values above 5 may come from an adapter and match no entry.
inline constexpr int kAxisLeftStickX = 0;
inline constexpr int kAxisLeftStickY = 1;
inline constexpr int kAxisRightStickX = 2;
inline constexpr int kAxisRightStickY = 3;
inline constexpr int kAxisButtons = 4;
inline constexpr int kAxisNone = 5;
inline constexpr int kAxisTypeCount = 6;

// Chooser texts, blanks included.
inline constexpr std::array<std::string_view, kAxisTypeCount> kAxisTypeNames{"Left Stick:  Left-Right",
                                                                             "Left Stick:  Up-Down",
                                                                             "Right Stick: Left-Right",
                                                                             "Right Stick: Up-Down",
                                                                             "Button  ",
                                                                             "None  "};

// Roll 0, pitch 1, yaw and throttle none.
inline constexpr std::uint16_t kDefaultFlightAxisMap = 0x5510;

// The two direction codes of each axis when it presses buttons: left/up first.
inline constexpr std::array<std::array<std::uint8_t, 2>, kFlightAxisCount> kAxisDirectionCodes{{
    {kFlightRollLeft, kFlightRollRight},
    {kFlightPitchUp, kFlightPitchDown},
    {kFlightYawLeft, kFlightYawRight},
    {kFlightThrottleUp, kFlightThrottleDown},
}};

constexpr int AxisType(std::uint16_t map, FlightAxis axis) {
  return (map >> (4 * axis)) & 0xF;
}

// `map` with the axis's nibble replaced by the low four bits of `type`.
constexpr std::uint16_t WithAxisType(std::uint16_t map, FlightAxis axis, int type) {
  const int shift = 4 * axis;
  return static_cast<std::uint16_t>((map & ~(0xF << shift)) | ((type & 0xF) << shift));
}

}  // namespace torvane::model
