#pragma once

#include <cstdint>
#include <string_view>

namespace torvane::model {

// Console buttons in the order that indexes every mapping group; the
// enumerator names follow the PS4 pad.
enum ControllerButton : int {
  kButtonL1 = 0,
  kButtonL2,
  kButtonL3,
  kButtonR1,
  kButtonR2,
  kButtonR3,
  kButtonDpadUp,
  kButtonDpadDown,
  kButtonDpadLeft,
  kButtonDpadRight,
  kButtonOptions,
  kButtonShare,
  kButtonHome,
  kButtonTouch,  // PS4 touch pad, Switch capture; absent on the other pads
  kButtonTriangle,
  kButtonCross,
  kButtonSquare,
  kButtonCircle,
  kButtonLsUp,
  kButtonLsDown,
  kButtonLsLeft,
  kButtonLsRight,
  kButtonRsUp,
  kButtonRsDown,
  kButtonRsLeft,
  kButtonRsRight,
  kControllerButtonCount
};
static_assert(kControllerButtonCount == 26);

// A host's button name list has this many slots: "< None >", then the host's
// buttons in controller order, leaving out those the pad lacks.
inline constexpr int kHostButtonSlots = 27;

// Slot `slot` of the name list of `host`; empty for an unknown host, a slot
// outside the list, or the unused last slot of a 25-button pad.
std::string_view HostButtonName(int host, int slot);

// Entries the button choosers show: 27 for PS4, 26 for the other hosts.
int HostButtonListLength(int host);

}  // namespace torvane::model
