#pragma once

#include <cstdint>

#include "model/HostType.h"

namespace torvane::model {

// A macro step stores each button as a value derived from the item index of
// the host's button chooser. Xbox One, PS3 and Xbox 360 lack one name, so their
// items from 13 on are stored one higher.
inline constexpr int kMacroButtonShiftFrom = 13;

constexpr bool ShiftsMacroButtons(int host) {
  return host == kHostXboxOne || host == kHostPS3 || host == kHostXbox360;
}

// Items of the host's button chooser, "< None >" included.
constexpr int MacroButtonItems(int host) {
  return ShiftsMacroButtons(host) ? 26 : 27;
}

// The stored value of chooser item `item`; 0 (no button) for an item the chooser does not have.
constexpr std::uint8_t MacroButtonToStored(int host, int item) {
  if (item < 0 || item >= MacroButtonItems(host)) return 0;
  const int stored = ShiftsMacroButtons(host) && item >= kMacroButtonShiftFrom ? item + 1 : item;
  return static_cast<std::uint8_t>(stored);
}

// The chooser item of a stored value; 0 (no button) for a value outside the chooser.
constexpr int MacroButtonToItem(int host, std::uint8_t stored) {
  const int item = ShiftsMacroButtons(host) && stored >= kMacroButtonShiftFrom ? stored - 1 : stored;
  return item < MacroButtonItems(host) ? item : 0;
}

}  // namespace torvane::model
