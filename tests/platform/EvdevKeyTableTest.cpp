// The Linux key translation: input event codes to the adapter's key codes, matching what Windows gives.
#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <set>

#include "model/keys/KeyClass.h"
#include "model/keys/VirtualKeyTable.h"
#include "platform/KeyTranslator.h"
#include "platform/linux/EvdevKeyTable.h"

namespace torvane::platform {
namespace {

TEST(EvdevKeyTableTest, KnownPairs) {
  const std::pair<std::uint32_t, int> pairs[] = {
      {KEY_A, 4},        {KEY_Z, 29},       {KEY_1, 30},         {KEY_0, 39},
      {KEY_KPENTER, 88}, {KEY_102ND, 100},  {KEY_POWER, 102},    {KEY_KPEQUAL, 103},
      {KEY_OPEN, 116},   {KEY_MUTE, 127},   {KEY_LEFTCTRL, 165}, {KEY_RIGHTMETA, 172},
      {KEY_RESERVED, 0}, {KEY_VOLUMEUP, 0}, {KEY_MAX + 1, 0},    {0xFFFFFFFFu, 0}};
  for (const auto& [evdev, code] : pairs) EXPECT_EQ(KeyCodeFromEvdev(evdev), code) << "evdev " << evdev;
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
    EXPECT_EQ(KeyCodeFromEvdev(static_cast<std::uint32_t>(evdev)),
              model::KeyCodeFromVirtualKey(static_cast<std::uint8_t>(vk)))
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
      EXPECT_NE(model::KeyClass(code), model::kKeyClassNone) << "evdev " << evdev;
    }
  }
  for (int code = 4; code <= 172; ++code) {
    // Linux folds Non-US # (50) into Backslash.
    if (model::KeyClass(static_cast<std::uint8_t>(code)) != model::kKeyClassKeyboard || code == 50) continue;
    EXPECT_TRUE(reached.count(code)) << code;
  }
}

TEST(EvdevKeyTableTest, TheNativeTranslatorTakesScanCodesAndMouseButtons) {
  const KeyTranslator& native = KeyTranslator::Native();
  EXPECT_EQ(native.KeyCodeFromNativeKey(KEY_A + 8, 0), 4);
  EXPECT_EQ(native.KeyCodeFromNativeKey(KEY_LEFTSHIFT + 8, 0), 166);
  EXPECT_EQ(native.KeyCodeFromNativeKey(KEY_A, 'a'), KeyCodeFromEvdev(KEY_A - 8));
  for (std::uint32_t scan = 0; scan < 8; ++scan) EXPECT_EQ(native.KeyCodeFromNativeKey(scan, 0), 0) << scan;

  const std::pair<std::uint32_t, int> buttons[] = {{BTN_LEFT, 173}, {BTN_RIGHT, 174}, {BTN_MIDDLE, 175},
                                                   {BTN_SIDE, 176}, {BTN_EXTRA, 177}, {BTN_TASK, 0},
                                                   {KEY_A, 0}};
  for (const auto& [button, code] : buttons) EXPECT_EQ(native.KeyCodeFromNativeButton(button), code) << button;
}

}  // namespace
}  // namespace torvane::platform
