#pragma once

#include <cstdint>

namespace torvane::model {

// One byte names every input the adapter reacts to: a keyboard key (its USB
// HID usage id), a modifier, a mouse button or wheel direction, or a button
// of a controller plugged into the adapter.
inline constexpr std::uint8_t kKeyNone = 0;
// Marks an unmapped entry in a mapping group, like 0.
inline constexpr std::uint8_t kKeyUnmapped = 0xFF;

inline constexpr std::uint8_t kFirstKeyboardKey = 4;
inline constexpr std::uint8_t kLastKeyboardKey = 115;
// Modifiers are the HID usages 0xE0..0xE7 moved down by 0x3B.
inline constexpr std::uint8_t kModifierOffset = 0x3B;
inline constexpr std::uint8_t kFirstModifierKey = 165;
inline constexpr std::uint8_t kLastModifierKey = 172;

inline constexpr std::uint8_t kKeyLeftCtrl = 165;
inline constexpr std::uint8_t kKeyLeftShift = 166;
inline constexpr std::uint8_t kKeyLeftAlt = 167;
inline constexpr std::uint8_t kKeyLeftGui = 168;
inline constexpr std::uint8_t kKeyRightCtrl = 169;
inline constexpr std::uint8_t kKeyRightShift = 170;
inline constexpr std::uint8_t kKeyRightAlt = 171;
inline constexpr std::uint8_t kKeyRightGui = 172;

inline constexpr std::uint8_t kFirstMouseKey = 173;
inline constexpr std::uint8_t kMouseLeft = 173;
inline constexpr std::uint8_t kMouseRight = 174;
inline constexpr std::uint8_t kMouseMiddle = 175;
inline constexpr std::uint8_t kMouseBackward = 176;
inline constexpr std::uint8_t kMouseForward = 177;
inline constexpr std::uint8_t kMouseButton1 = 178;  // button1..button11 follow
inline constexpr std::uint8_t kMouseScrollUp = 189;
inline constexpr std::uint8_t kMouseScrollDown = 190;
inline constexpr std::uint8_t kMouseScrollLeft = 191;
inline constexpr std::uint8_t kMouseScrollRight = 192;
inline constexpr std::uint8_t kLastMouseKey = 192;

// J1..J60: button n + 1 of a controller plugged into the adapter is code 193 + n.
inline constexpr std::uint8_t kFirstControllerKey = 193;
inline constexpr std::uint8_t kLastControllerKey = 252;
inline constexpr int kControllerKeyCount = 60;

// The flight stick keeps its axis directions in mapping group 1 as these
// codes (J49..J56), at the index of the controller button each one presses.
inline constexpr std::uint8_t kFlightRollLeft = 241;
inline constexpr std::uint8_t kFlightRollRight = 242;
inline constexpr std::uint8_t kFlightPitchUp = 243;
inline constexpr std::uint8_t kFlightPitchDown = 244;
inline constexpr std::uint8_t kFlightYawLeft = 245;
inline constexpr std::uint8_t kFlightYawRight = 246;
inline constexpr std::uint8_t kFlightThrottleUp = 247;
inline constexpr std::uint8_t kFlightThrottleDown = 248;
inline constexpr std::uint8_t kFirstFlightDirection = kFlightRollLeft;
inline constexpr std::uint8_t kLastFlightDirection = kFlightThrottleDown;

constexpr bool IsFlightDirection(std::uint8_t code) {
  return code >= kFirstFlightDirection && code <= kLastFlightDirection;
}

// J1..J60 as a key code; `button` counts from 0.
constexpr std::uint8_t ControllerKey(int button) {
  return static_cast<std::uint8_t>(kFirstControllerKey + button);
}

}  // namespace torvane::model
