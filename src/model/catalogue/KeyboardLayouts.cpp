#include "model/catalogue/KeyboardLayouts.h"

#include <utility>

#include "model/HostType.h"
#include "model/keys/ControllerButton.h"
#include "model/keys/KeyCodes.h"

namespace torvane::model::catalogue {

namespace {

// Keyboard keys by their USB HID usage id.
constexpr std::uint8_t kKeyA = 4;
constexpr std::uint8_t kKeyB = 5;
constexpr std::uint8_t kKeyC = 6;
constexpr std::uint8_t kKeyD = 7;
constexpr std::uint8_t kKeyE = 8;
constexpr std::uint8_t kKeyF = 9;
constexpr std::uint8_t kKeyG = 10;
constexpr std::uint8_t kKeyJ = 13;
constexpr std::uint8_t kKeyK = 14;
constexpr std::uint8_t kKeyL = 15;
constexpr std::uint8_t kKeyM = 16;
constexpr std::uint8_t kKeyQ = 20;
constexpr std::uint8_t kKeyR = 21;
constexpr std::uint8_t kKeyS = 22;
constexpr std::uint8_t kKeyV = 25;
constexpr std::uint8_t kKeyW = 26;
constexpr std::uint8_t kKey1 = 30;
constexpr std::uint8_t kKeyEscape = 41;
constexpr std::uint8_t kKeyTab = 43;
constexpr std::uint8_t kKeySpace = 44;
constexpr std::uint8_t kKeyPrintScreen = 70;
constexpr std::uint8_t kKeyHome = 74;
constexpr std::uint8_t kKeyRightArrow = 79;
constexpr std::uint8_t kKeyLeftArrow = 80;
constexpr std::uint8_t kKeyDownArrow = 81;
constexpr std::uint8_t kKeyUpArrow = 82;

using Assignment = std::pair<ControllerButton, std::uint8_t>;

// Every layout shares the menus, the home button and the d-pad on the arrows.
constexpr Assignment kSystemKeys[] = {
    {kButtonDpadUp, kKeyUpArrow},     {kButtonDpadDown, kKeyDownArrow},
    {kButtonDpadLeft, kKeyLeftArrow}, {kButtonDpadRight, kKeyRightArrow},
    {kButtonOptions, kKeyEscape},     {kButtonShare, kKeyTab},
    {kButtonHome, kKeyHome},
};

constexpr Assignment kShooterKeys[] = {
    {kButtonL1, kKeyQ},      {kButtonL2, kMouseRight}, {kButtonL3, kKeyLeftShift}, {kButtonR1, kKeyG},
    {kButtonR2, kMouseLeft}, {kButtonR3, kKeyE},       {kButtonTriangle, kKey1},   {kButtonCross, kKeySpace},
    {kButtonSquare, kKeyR},  {kButtonCircle, kKeyC},   {kButtonLsUp, kKeyW},       {kButtonLsDown, kKeyS},
    {kButtonLsLeft, kKeyA},  {kButtonLsRight, kKeyD},
};

// Throttle and brake sit on the triggers, so the left stick only steers.
constexpr Assignment kRacingKeys[] = {
    {kButtonL1, kKeyQ},     {kButtonL2, kKeyS},       {kButtonR1, kKeyE},        {kButtonR2, kKeyW},
    {kButtonR3, kKeyB},     {kButtonTriangle, kKeyV}, {kButtonCross, kKeySpace}, {kButtonSquare, kKeyR},
    {kButtonCircle, kKeyC}, {kButtonLsLeft, kKeyA},   {kButtonLsRight, kKeyD},
};

// Six lanes (d-pad left/up/right, square/triangle/circle) and the two side
// tracks; the arrows, freed from the d-pad, move through the menus on the left stick.
constexpr Assignment kRhythmKeys[] = {
    {kButtonL1, kKeyLeftShift},     {kButtonR1, kKeyRightShift},      {kButtonDpadLeft, kKeyS},
    {kButtonDpadUp, kKeyD},         {kButtonDpadRight, kKeyF},        {kButtonDpadDown, kKeyNone},
    {kButtonSquare, kKeyJ},         {kButtonTriangle, kKeyK},         {kButtonCircle, kKeyL},
    {kButtonCross, kKeySpace},      {kButtonLsUp, kKeyUpArrow},       {kButtonLsDown, kKeyDownArrow},
    {kButtonLsLeft, kKeyLeftArrow}, {kButtonLsRight, kKeyRightArrow},
};

template <std::size_t N>
void Apply(MappingGroup& group, const Assignment (&keys)[N]) {
  for (const auto& [button, code] : keys) group[static_cast<std::size_t>(button)] = code;
}

}  // namespace

MappingGroup KeyboardGroup(KeyboardLayout layout, int host) {
  MappingGroup group{};
  // The right stick is left to the mouse.
  for (int button = kButtonRsUp; button <= kButtonRsRight; ++button) group[button] = kKeyUnmapped;
  Apply(group, kSystemKeys);
  switch (layout) {
    case KeyboardLayout::kShooter:
      Apply(group, kShooterKeys);
      break;
    case KeyboardLayout::kRacing:
      Apply(group, kRacingKeys);
      break;
    case KeyboardLayout::kRhythm:
      Apply(group, kRhythmKeys);
      break;
  }
  // The touch pad press opens the map in most games; the Switch's capture button takes a screenshot.
  if (host == kHostPS4) group[kButtonTouch] = kKeyM;
  if (host == kHostSwitch) group[kButtonTouch] = kKeyPrintScreen;
  return group;
}

}  // namespace torvane::model::catalogue
