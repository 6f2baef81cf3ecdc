#include "model/keys/KeyName.h"

#include <gtest/gtest.h>

#include <string>

#include "model/keys/ControllerButton.h"
#include "model/keys/KeyClass.h"

namespace torvane::model {
namespace {

TEST(KeyClassTest, ClassBoundaries) {
  struct Case {
    int code;
    int key_class;
  };
  const Case cases[] = {{0, 0},   {3, 0},   {4, 2},   {115, 2}, {116, 0}, {127, 0}, {164, 0}, {165, 2},
                        {172, 2}, {173, 1}, {192, 1}, {193, 3}, {252, 3}, {253, 0}, {255, 0}};
  for (const Case& c : cases) EXPECT_EQ(KeyClass(static_cast<std::uint8_t>(c.code)), c.key_class) << c.code;
}

TEST(KeyClassTest, IconsOfUnknownClasses) {
  EXPECT_EQ(KeyClassIcon(KeyClass(193)), "keymap_joystick.png");
  EXPECT_EQ(KeyClassIcon(7), "keymap_none.png");
  EXPECT_EQ(KeyClassIcon(-1), "keymap_none.png");
  EXPECT_EQ(MacroIcon(KeyClass(193)), "macor_logo_controller.png");
  EXPECT_EQ(MacroIcon(kKeyClassNone), "");
  EXPECT_EQ(MacroIcon(4), "");
}

TEST(KeyNameTest, GapsAndEndsShowNone) {
  EXPECT_EQ(KeyName(0), "< None >");
  EXPECT_EQ(KeyName(255), "< None >");
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    const auto key = static_cast<std::uint8_t>(code);
    if (KeyName(key) != kNoKeyName) ++named;
    // Every code the adapter can send has a name of its own.
    if (KeyClass(key) != kKeyClassNone) {
      EXPECT_NE(KeyName(key), kNoKeyName) << code;
    }
  }
  EXPECT_EQ(named, 212);
}

TEST(KeyNameTest, NamesStayAlignedWithTheirCodes) {
  // The first and last code of every run: a shifted entry moves one of them.
  const std::pair<int, std::string> cases[] = {{4, "A"},          {29, "Z"},           {30, "1"},
                                               {39, "0"},         {40, "Enter"},       {49, "|\\"},
                                               {50, "UnK0"},      {52, "'\""},         {57, "Caps Lock"},
                                               {58, "F1"},        {69, "F12"},         {70, "PrtSc"},
                                               {83, "NumLock"},   {88, "KeypadEnter"}, {89, "Keypad1"},
                                               {98, "Keypad0"},   {99, "Keypad."},     {101, "App"},
                                               {103, "Keypad="},  {104, "F13"},        {115, "F24"},
                                               {116, "Execute"},  {127, "Mute"},       {128, "< None >"},
                                               {164, "< None >"}, {165, "LeftCtrl"},   {172, "RightGUI"},
                                               {173, "Left"},     {177, "Forward"},    {178, "button1"},
                                               {188, "button11"}, {189, "ScrollUp"},   {192, "ScrollRight"},
                                               {193, "J1"},       {241, "J49"},        {252, "J60"}};
  for (const auto& [code, name] : cases) EXPECT_EQ(KeyName(static_cast<std::uint8_t>(code)), name) << code;
}

TEST(KeyNameTest, ArrowsAreSingleCharacters) {
  EXPECT_EQ(KeyName(79), "\xE2\x86\x92");  // U+2192
  EXPECT_EQ(KeyName(80), "\xE2\x86\x90");  // U+2190
  EXPECT_EQ(KeyName(81), "\xE2\x86\x93");  // U+2193
  EXPECT_EQ(KeyName(82), "\xE2\x86\x91");  // U+2191
}

TEST(HostButtonNameTest, ListsPerHost) {
  for (int host = 0; host < 5; ++host) EXPECT_EQ(HostButtonName(host, 0), "< None >") << host;
  EXPECT_EQ(HostButtonListLength(0), 27);
  for (int host = 1; host < 5; ++host) EXPECT_EQ(HostButtonListLength(host), 26) << host;

  // Slot 1 + button: PS4 and Switch name all 26 buttons, the others skip the touch pad.
  EXPECT_EQ(HostButtonName(0, 1 + kButtonTouch), "Touch");
  EXPECT_EQ(HostButtonName(0, 1 + kButtonCircle), "Circle");
  EXPECT_EQ(HostButtonName(0, 26), "RS_Right");
  EXPECT_EQ(HostButtonName(4, 1 + kButtonTouch), "Capture");
  EXPECT_EQ(HostButtonName(4, 26), "RS_Right");
  for (int host = 1; host <= 3; ++host) {
    EXPECT_EQ(HostButtonName(host, 25), "RS_Right") << host;
    EXPECT_EQ(HostButtonName(host, 26), "") << host;
  }
  EXPECT_EQ(HostButtonName(2, 11), "Start");
  EXPECT_EQ(HostButtonName(2, 14), "Triangle");
}

TEST(HostButtonNameTest, FaceButtonOrders) {
  auto faces = [](int host, int first) {
    std::string text;
    for (int slot = first; slot < first + 4; ++slot) text += std::string(HostButtonName(host, slot)) + ",";
    return text;
  };
  EXPECT_EQ(faces(0, 15), "Triangle,Cross,Square,Circle,");
  EXPECT_EQ(faces(1, 14), "Y,A,X,B,");
  EXPECT_EQ(faces(3, 14), "X,B,Y,A,");
  EXPECT_EQ(faces(4, 15), "X,B,Y,A,");
}

TEST(HostButtonNameTest, OutOfRangeGivesNothing) {
  EXPECT_EQ(HostButtonName(5, 1), "");
  EXPECT_EQ(HostButtonName(-1, 1), "");
  EXPECT_EQ(HostButtonName(0, 27), "");
  EXPECT_EQ(HostButtonName(0, -1), "");
}

}  // namespace
}  // namespace torvane::model
