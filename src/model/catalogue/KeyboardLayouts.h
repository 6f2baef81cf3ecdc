#pragma once

#include "model/ConfigRecord.h"

namespace torvane::model::catalogue {

// The keyboard and mouse layouts of mapping group 0 that catalogue records start with.
enum class KeyboardLayout {
  kShooter,  // WASD, mouse buttons on the triggers, the mouse on the right stick
  kRacing,   // W/S on the pedal triggers, A/D steering, paddles on Q/E
  kRhythm,   // lanes on S D F / J K L, side tracks on the shift keys
};

// The group's 26 used entries for `host`; entries 26..49 stay 0. Consoles
// without a touch pad or capture button get 0 in that entry.
MappingGroup KeyboardGroup(KeyboardLayout layout, int host);

}  // namespace torvane::model::catalogue
