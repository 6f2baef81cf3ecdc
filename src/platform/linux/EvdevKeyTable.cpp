#include "platform/linux/EvdevKeyTable.h"

#include <linux/input-event-codes.h>

#include <array>
#include <iterator>

#include "model/keys/KeyCodes.h"

namespace torvane::platform {

namespace {

struct Entry {
  int evdev;
  std::uint8_t code;  // the key's USB HID usage on page 0x07
};

// The kernel's HID keyboard translation read backwards. The kernel folds
// Non-US # (usage 50) into Backslash, so that key yields 49 here.
// clang-format off
constexpr Entry kEntries[] = {
    {KEY_A, 4}, {KEY_B, 5}, {KEY_C, 6}, {KEY_D, 7}, {KEY_E, 8}, {KEY_F, 9}, {KEY_G, 10}, {KEY_H, 11}, {KEY_I, 12},
    {KEY_J, 13}, {KEY_K, 14}, {KEY_L, 15}, {KEY_M, 16}, {KEY_N, 17}, {KEY_O, 18}, {KEY_P, 19}, {KEY_Q, 20},
    {KEY_R, 21}, {KEY_S, 22}, {KEY_T, 23}, {KEY_U, 24}, {KEY_V, 25}, {KEY_W, 26}, {KEY_X, 27}, {KEY_Y, 28},
    {KEY_Z, 29},
    {KEY_1, 30}, {KEY_2, 31}, {KEY_3, 32}, {KEY_4, 33}, {KEY_5, 34}, {KEY_6, 35}, {KEY_7, 36}, {KEY_8, 37},
    {KEY_9, 38}, {KEY_0, 39},
    {KEY_ENTER, 40}, {KEY_ESC, 41}, {KEY_BACKSPACE, 42}, {KEY_TAB, 43}, {KEY_SPACE, 44}, {KEY_MINUS, 45},
    {KEY_EQUAL, 46}, {KEY_LEFTBRACE, 47}, {KEY_RIGHTBRACE, 48}, {KEY_BACKSLASH, 49}, {KEY_SEMICOLON, 51},
    {KEY_APOSTROPHE, 52}, {KEY_GRAVE, 53}, {KEY_COMMA, 54}, {KEY_DOT, 55}, {KEY_SLASH, 56}, {KEY_CAPSLOCK, 57},
    {KEY_F1, 58}, {KEY_F2, 59}, {KEY_F3, 60}, {KEY_F4, 61}, {KEY_F5, 62}, {KEY_F6, 63}, {KEY_F7, 64},
    {KEY_F8, 65}, {KEY_F9, 66}, {KEY_F10, 67}, {KEY_F11, 68}, {KEY_F12, 69},
    {KEY_SYSRQ, 70}, {KEY_SCROLLLOCK, 71}, {KEY_PAUSE, 72}, {KEY_INSERT, 73}, {KEY_HOME, 74}, {KEY_PAGEUP, 75},
    {KEY_DELETE, 76}, {KEY_END, 77}, {KEY_PAGEDOWN, 78}, {KEY_RIGHT, 79}, {KEY_LEFT, 80}, {KEY_DOWN, 81},
    {KEY_UP, 82},
    {KEY_NUMLOCK, 83}, {KEY_KPSLASH, 84}, {KEY_KPASTERISK, 85}, {KEY_KPMINUS, 86}, {KEY_KPPLUS, 87},
    {KEY_KPENTER, 88}, {KEY_KP1, 89}, {KEY_KP2, 90}, {KEY_KP3, 91}, {KEY_KP4, 92}, {KEY_KP5, 93}, {KEY_KP6, 94},
    {KEY_KP7, 95}, {KEY_KP8, 96}, {KEY_KP9, 97}, {KEY_KP0, 98}, {KEY_KPDOT, 99},
    {KEY_102ND, 100}, {KEY_COMPOSE, 101}, {KEY_POWER, 102}, {KEY_KPEQUAL, 103},
    {KEY_F13, 104}, {KEY_F14, 105}, {KEY_F15, 106}, {KEY_F16, 107}, {KEY_F17, 108}, {KEY_F18, 109},
    {KEY_F19, 110}, {KEY_F20, 111}, {KEY_F21, 112}, {KEY_F22, 113}, {KEY_F23, 114}, {KEY_F24, 115},
    {KEY_OPEN, 116}, {KEY_HELP, 117}, {KEY_PROPS, 118}, {KEY_FRONT, 119}, {KEY_STOP, 120}, {KEY_AGAIN, 121},
    {KEY_UNDO, 122}, {KEY_CUT, 123}, {KEY_COPY, 124}, {KEY_PASTE, 125}, {KEY_FIND, 126}, {KEY_MUTE, 127},
    {KEY_LEFTCTRL, model::kKeyLeftCtrl}, {KEY_LEFTSHIFT, model::kKeyLeftShift}, {KEY_LEFTALT, model::kKeyLeftAlt},
    {KEY_LEFTMETA, model::kKeyLeftGui}, {KEY_RIGHTCTRL, model::kKeyRightCtrl}, {KEY_RIGHTSHIFT, model::kKeyRightShift},
    {KEY_RIGHTALT, model::kKeyRightAlt}, {KEY_RIGHTMETA, model::kKeyRightGui},
    // Linux names for keys that Windows reports under the codes above: Print
    // Screen from a consumer-page key, Ctrl+Pause, and the dedicated Menu and
    // Select keys.
    {KEY_PRINT, 70}, {KEY_BREAK, 72}, {KEY_MENU, 118}, {KEY_SELECT, 119},
};
// clang-format on

constexpr std::array<std::uint8_t, KEY_MAX + 1> BuildTable() {
  std::array<std::uint8_t, KEY_MAX + 1> table{};
  for (const Entry& entry : kEntries) table[static_cast<std::size_t>(entry.evdev)] = entry.code;
  return table;
}

constexpr bool EachKeyOnce() {
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    for (std::size_t j = i + 1; j < std::size(kEntries); ++j) {
      if (kEntries[i].evdev == kEntries[j].evdev) return false;
    }
  }
  return true;
}
static_assert(EachKeyOnce());

constexpr std::array<std::uint8_t, KEY_MAX + 1> kTable = BuildTable();

// X11 and Wayland number keys from 8 up.
constexpr std::uint32_t kScanCodeOffset = 8;

}  // namespace

std::uint8_t KeyCodeFromEvdev(std::uint32_t evdev_code) {
  return evdev_code < kTable.size() ? kTable[evdev_code] : model::kKeyNone;
}

std::uint8_t KeyCodeFromNativeScanCode(std::uint32_t scan_code) {
  return scan_code < kScanCodeOffset ? model::kKeyNone : KeyCodeFromEvdev(scan_code - kScanCodeOffset);
}

std::uint8_t KeyCodeFromEvdevButton(std::uint32_t button_code) {
  switch (button_code) {
    case BTN_LEFT:
      return model::kMouseLeft;
    case BTN_RIGHT:
      return model::kMouseRight;
    case BTN_MIDDLE:
      return model::kMouseMiddle;
    case BTN_SIDE:
    case BTN_BACK:
      return model::kMouseBackward;
    case BTN_EXTRA:
    case BTN_FORWARD:
      return model::kMouseForward;
    default:
      return model::kKeyNone;
  }
}

}  // namespace torvane::platform
