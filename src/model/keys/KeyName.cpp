#include "model/keys/KeyName.h"

#include <array>

namespace torvane::model {

namespace {

constexpr std::string_view kNone = kNoKeyName;

// Indexed by key code; the arrow keys show as single arrow characters.
// clang-format off
constexpr std::array<std::string_view, 256> kKeyNames{
    /*   0 */ kNone, kNone, kNone, kNone,
    /*   4 */ "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U",
              "V", "W", "X", "Y", "Z",
    /*  30 */ "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    /*  40 */ "Enter", "Escape", "Backspace", "Tab", "SpaceBar", "-_", "=+", "{[", "}]", "|\\", "UnK0", ";:", "'\"",
              "~`", "<,", ">.", "?/", "Caps Lock",
    /*  58 */ "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    /*  70 */ "PrtSc", "ScrLk", "Pause", "Insert", "Home", "PgUp", "Delete", "End", "PgDn", "\u2192", "\u2190",
              "\u2193", "\u2191", "NumLock",
    /*  84 */ "Keypad/", "Keypad*", "Keypad-", "Keypad+", "KeypadEnter", "Keypad1", "Keypad2", "Keypad3", "Keypad4",
              "Keypad5", "Keypad6", "Keypad7", "Keypad8", "Keypad9", "Keypad0", "Keypad.", "UnK1", "App", "Power",
              "Keypad=",
    /* 104 */ "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    /* 116 */ "Execute", "Help", "Menu", "Select", "Stop", "Again", "Undo", "Cut", "Copy", "Paste", "Find", "Mute",
    /* 128 */ kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,
              kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone,
              kNone, kNone, kNone, kNone, kNone, kNone, kNone,
    /* 165 */ "LeftCtrl", "LeftShift", "LeftAlt", "LeftGUI", "RightCtrl", "RightShift", "RightAlt", "RightGUI",
    /* 173 */ "Left", "Right", "Middle", "Backward", "Forward", "button1", "button2", "button3", "button4", "button5",
              "button6", "button7", "button8", "button9", "button10", "button11", "ScrollUp", "ScrollDown",
              "ScrollLeft", "ScrollRight",
    /* 193 */ "J1", "J2", "J3", "J4", "J5", "J6", "J7", "J8", "J9", "J10", "J11", "J12", "J13", "J14", "J15", "J16",
              "J17", "J18", "J19", "J20", "J21", "J22", "J23", "J24", "J25", "J26", "J27", "J28", "J29", "J30", "J31",
              "J32", "J33", "J34", "J35", "J36", "J37", "J38", "J39", "J40", "J41", "J42", "J43", "J44", "J45", "J46",
              "J47", "J48", "J49", "J50", "J51", "J52", "J53", "J54", "J55", "J56", "J57", "J58", "J59", "J60",
    /* 253 */ kNone, kNone, kNone,
};
// clang-format on

static_assert(kKeyNames[4] == "A" && kKeyNames[44] == "SpaceBar" && kKeyNames[115] == "F24");
static_assert(kKeyNames[127] == "Mute" && kKeyNames[165] == "LeftCtrl" && kKeyNames[192] == "ScrollRight");
static_assert(kKeyNames[193] == "J1" && kKeyNames[252] == "J60" && kKeyNames[253] == kNone);

}  // namespace

std::string_view KeyName(std::uint8_t code) {
  return kKeyNames[code];
}

}  // namespace torvane::model
