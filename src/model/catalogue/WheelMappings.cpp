#include "model/catalogue/WheelMappings.h"

#include "model/catalogue/KeyboardLayouts.h"
#include "model/keys/ControllerButton.h"
#include "model/keys/KeyCodes.h"

namespace torvane::model::catalogue {

namespace {

// Where a wheel reports each control, as its button number (J1 = 1); 0 where
// the wheel has no such control. Pedals drive the triggers and the paddles
// the bumpers; steering itself is an axis and needs no mapping.
struct WheelButtons {
  int left_paddle, right_paddle;
  int brake_pedal, throttle_pedal;
  int l3, r3;
  int up, down, left, right;
  int start, select, home;
  int face_top, face_bottom, face_left, face_right;
};

// The G27 and G25 use their black shifter buttons as face buttons and the red
// ones for the menus; the G25 lacks the spare button that serves as home, and
// the DFP has no home button either. The G920 reports A, B, X, Y first.
// clang-format off
constexpr WheelButtons kWheelButtons[kWheelModelCount] = {
    // paddles  pedals    L3  R3   d-pad            start select home  face top/bottom/left/right
    {6, 5,      22, 21,   8,  7,   13, 14, 15, 16,  9,    10,    11,   4, 1, 3, 2},  // G27
    {6, 5,      18, 17,   8,  7,   13, 14, 15, 16,  9,    10,    0,    4, 1, 3, 2},  // G25
    {6, 5,      22, 21,   12, 11,  23, 24, 25, 26,  10,   9,     20,   4, 1, 2, 3},  // DFGT
    {6, 5,      16, 15,   12, 11,  17, 18, 19, 20,  10,   9,     0,    4, 1, 2, 3},  // DFP
    {6, 5,      26, 25,   12, 11,  28, 29, 30, 31,  10,   9,     24,   4, 1, 2, 3},  // G29
    {6, 5,      15, 14,   12, 11,  17, 18, 19, 20,  10,   9,     13,   4, 1, 2, 3},  // T300RS
    {6, 5,      13, 12,   10, 9,   15, 16, 17, 18,  7,    8,     11,   4, 1, 3, 2},  // G920
};
// clang-format on

// Wheel button numbers count from 1 (J1).
std::uint8_t Code(int button) {
  return button == 0 ? kKeyNone : ControllerKey(button - 1);
}

MappingGroup WheelGroup(const WheelButtons& wheel) {
  MappingGroup group{};
  group[kButtonL1] = Code(wheel.left_paddle);
  group[kButtonR1] = Code(wheel.right_paddle);
  group[kButtonL2] = Code(wheel.brake_pedal);
  group[kButtonR2] = Code(wheel.throttle_pedal);
  group[kButtonL3] = Code(wheel.l3);
  group[kButtonR3] = Code(wheel.r3);
  group[kButtonDpadUp] = Code(wheel.up);
  group[kButtonDpadDown] = Code(wheel.down);
  group[kButtonDpadLeft] = Code(wheel.left);
  group[kButtonDpadRight] = Code(wheel.right);
  group[kButtonOptions] = Code(wheel.start);
  group[kButtonShare] = Code(wheel.select);
  group[kButtonHome] = Code(wheel.home);
  group[kButtonTriangle] = Code(wheel.face_top);
  group[kButtonCross] = Code(wheel.face_bottom);
  group[kButtonSquare] = Code(wheel.face_left);
  group[kButtonCircle] = Code(wheel.face_right);
  return group;
}

}  // namespace

std::array<MappingGroup, kMappingGroups> WheelMapping(int wheel_type, int host) {
  std::array<MappingGroup, kMappingGroups> groups{};
  groups[0] = KeyboardGroup(KeyboardLayout::kRacing, host);
  if (wheel_type >= 0 && wheel_type < kWheelModelCount) groups[1] = WheelGroup(kWheelButtons[wheel_type]);
  return groups;
}

}  // namespace torvane::model::catalogue
