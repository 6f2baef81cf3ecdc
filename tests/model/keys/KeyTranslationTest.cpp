#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/keys/EvdevKeyTable.h"
#include "model/keys/KeyClass.h"
#include "model/keys/KeyName.h"
#include "model/keys/VirtualKeyTable.h"

namespace torvane::model {
namespace {

TEST(VirtualKeyTableTest, RunsLandOnTheirNames) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>('A' + i))), std::string(1, char('A' + i)));
  }
  for (int d = 0; d < 10; ++d) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>('0' + d))), std::to_string(d));
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>(0x60 + d))), "Keypad" + std::to_string(d));
  }
  for (int f = 0; f < 24; ++f) {
    EXPECT_EQ(KeyName(KeyCodeFromVirtualKey(static_cast<std::uint8_t>(0x70 + f))), "F" + std::to_string(f + 1));
  }
}

TEST(VirtualKeyTableTest, SingleEntriesAndGaps) {
  EXPECT_EQ(KeyCodeFromVirtualKey(0x03), 155);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x5F), 88);
  EXPECT_EQ(KeyCodeFromVirtualKey(0xFF), 255);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x00), 0);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x2A), 0);
  EXPECT_EQ(KeyCodeFromVirtualKey(0x5E), 0);
  int listed = 0;
  for (int vk = 0; vk < 256; ++vk) listed += KeyCodeFromVirtualKey(static_cast<std::uint8_t>(vk)) != 0;
  EXPECT_EQ(listed, 127);  // 59 single entries and 68 in runs
}

TEST(EvdevKeyTableTest, KnownPairs) {
  EXPECT_EQ(KeyCodeFromEvdev(KEY_A), 4);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_Z), 29);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_1), 30);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_0), 39);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_KPENTER), 88);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_102ND), 100);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_POWER), 102);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_KPEQUAL), 103);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_OPEN), 116);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_MUTE), 127);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_LEFTCTRL), 165);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_RIGHTMETA), 172);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_RESERVED), 0);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_VOLUMEUP), 0);
  EXPECT_EQ(KeyCodeFromEvdev(KEY_MAX + 1), 0);
  EXPECT_EQ(KeyCodeFromEvdev(0xFFFFFFFFu), 0);
}

TEST(EvdevKeyTableTest, SamePhysicalKeyAsWindows) {
  // US layout: evdev code and the virtual key Windows reports for the same key.
  const std::pair<int, int> keys[] = {
      {KEY_Q, 'Q'},           {KEY_M, 'M'},           {KEY_5, '5'},          {KEY_ESC, 0x1B},
      {KEY_BACKSPACE, 0x08},  {KEY_TAB, 0x09},        {KEY_ENTER, 0x0D},     {KEY_SPACE, 0x20},
      {KEY_CAPSLOCK, 0x14},   {KEY_MINUS, 0xBD},      {KEY_EQUAL, 0xBB},     {KEY_LEFTBRACE, 0xDB},
      {KEY_RIGHTBRACE, 0xDD}, {KEY_BACKSLASH, 0xDC},  {KEY_SEMICOLON, 0xBA}, {KEY_APOSTROPHE, 0xDE},
      {KEY_GRAVE, 0xC0},      {KEY_COMMA, 0xBC},      {KEY_DOT, 0xBE},       {KEY_SLASH, 0xBF},
      {KEY_F1, 0x70},         {KEY_F12, 0x7B},        {KEY_F13, 0x7C},       {KEY_F24, 0x87},
      {KEY_SYSRQ, 0x2C},      {KEY_SCROLLLOCK, 0x91}, {KEY_PAUSE, 0x13},     {KEY_INSERT, 0x2D},
      {KEY_HOME, 0x24},       {KEY_PAGEUP, 0x21},     {KEY_DELETE, 0x2E},    {KEY_END, 0x23},
      {KEY_PAGEDOWN, 0x22},   {KEY_RIGHT, 0x27},      {KEY_LEFT, 0x25},      {KEY_DOWN, 0x28},
      {KEY_UP, 0x26},         {KEY_NUMLOCK, 0x90},    {KEY_KPSLASH, 0x6F},   {KEY_KPASTERISK, 0x6A},
      {KEY_KPMINUS, 0x6D},    {KEY_KPPLUS, 0x6B},     {KEY_KP1, 0x61},       {KEY_KP9, 0x69},
      {KEY_KP0, 0x60},        {KEY_KPDOT, 0x6E},      {KEY_COMPOSE, 0x5D},   {KEY_LEFTSHIFT, 0xA0},
      {KEY_RIGHTSHIFT, 0xA1}, {KEY_LEFTCTRL, 0xA2},   {KEY_RIGHTCTRL, 0xA3}, {KEY_LEFTALT, 0xA4},
      {KEY_RIGHTALT, 0xA5},   {KEY_LEFTMETA, 0x5B},   {KEY_RIGHTMETA, 0x5C}, {KEY_HELP, 0x2F},
      {KEY_SELECT, 0x29}};
  for (const auto& [evdev, vk] : keys) {
    EXPECT_EQ(KeyCodeFromEvdev(static_cast<std::uint32_t>(evdev)), KeyCodeFromVirtualKey(static_cast<std::uint8_t>(vk)))
        << "evdev " << evdev;
  }
}

TEST(EvdevKeyTableTest, NeverYieldsAClassNoneCodeAndReachesEveryKeyboardCode) {
  std::set<int> reached;
  for (std::uint32_t evdev = 0; evdev <= KEY_MAX; ++evdev) {
    const std::uint8_t code = KeyCodeFromEvdev(evdev);
    if (code == 0) continue;
    reached.insert(code);
    // Only the named usages 116..127 may be class 0.
    if (code < 116 || code > 127) {
      EXPECT_NE(KeyClass(code), kKeyClassNone) << "evdev " << evdev;
    }
  }
  for (int code = 4; code <= 172; ++code) {
    // Linux folds Non-US # (50) into Backslash.
    if (KeyClass(static_cast<std::uint8_t>(code)) != kKeyClassKeyboard || code == 50) continue;
    EXPECT_TRUE(reached.count(code)) << code;
  }
}

TEST(EvdevKeyTableTest, NativeScanCodesAndMouseButtons) {
  EXPECT_EQ(KeyCodeFromNativeScanCode(KEY_A + 8), 4);
  EXPECT_EQ(KeyCodeFromNativeScanCode(KEY_LEFTSHIFT + 8), 166);
  EXPECT_EQ(KeyCodeFromNativeScanCode(KEY_A), KeyCodeFromEvdev(KEY_A - 8));
  for (std::uint32_t scan = 0; scan < 8; ++scan) EXPECT_EQ(KeyCodeFromNativeScanCode(scan), 0) << scan;

  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_LEFT), 173);
  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_RIGHT), 174);
  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_MIDDLE), 175);
  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_SIDE), 176);
  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_EXTRA), 177);
  EXPECT_EQ(KeyCodeFromEvdevButton(BTN_TASK), 0);
  EXPECT_EQ(KeyCodeFromEvdevButton(KEY_A), 0);
}

}  // namespace
}  // namespace torvane::model
