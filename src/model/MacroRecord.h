#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/LittleEndian.h"

namespace torvane::model {

inline constexpr std::size_t kMacroRecordSize = 543;
inline constexpr std::size_t kMacroNameSize = 30;
inline constexpr std::size_t kMacroSteps = 67;
inline constexpr std::size_t kStepButtons = 5;
inline constexpr std::uint16_t kMinHoldTime = 8;

// One step of a macro: up to five controller buttons held together.
struct MacroStep {
  std::array<std::uint8_t, kStepButtons> buttons;
  U16le hold_time;  // milliseconds
};
static_assert(sizeof(MacroStep) == 7);

// A macro as the adapter stores it: 543 packed bytes, owned by the
// configuration named `owner_name` on host `host`.
struct MacroRecord {
  std::uint8_t host;
  std::uint8_t step_count;
  std::array<char, kMacroNameSize> macro_name;
  std::array<char, 40> owner_name;
  std::uint8_t trigger_mode;  // 0 Once, 1 Hold, 2 Toggle
  std::uint8_t macro_hotkey;
  std::array<MacroStep, kMacroSteps> steps;

  // Steps in use; a stored count above the table is clamped.
  std::size_t used_steps() const { return step_count < kMacroSteps ? step_count : kMacroSteps; }
};

static_assert(std::is_trivially_copyable_v<MacroRecord>);
static_assert(std::is_standard_layout_v<MacroRecord>);
static_assert(sizeof(MacroRecord) == kMacroRecordSize);
static_assert(offsetof(MacroRecord, step_count) == 1);
static_assert(offsetof(MacroRecord, macro_name) == 2);
static_assert(offsetof(MacroRecord, owner_name) == 32);
static_assert(offsetof(MacroRecord, trigger_mode) == 72);
static_assert(offsetof(MacroRecord, macro_hotkey) == 73);
static_assert(offsetof(MacroRecord, steps) == 74);

}  // namespace torvane::model
