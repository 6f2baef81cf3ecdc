// What the low-level hooks capture: the keypad told from the navigation keys, releases counting only after a
// press, the mouse buttons and wheels.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "platform/windows/LowLevelInput.h"

namespace torvane::platform {
namespace {

struct HookEvent {
  bool mouse;
  UINT message;
  DWORD key_or_data;  // the virtual key, or the mouse data
  bool extended = false;
  DWORD scan_code = 0;
};

HookEvent KeyDown(DWORD vk, bool extended = false, DWORD scan = 0) {
  return {false, WM_KEYDOWN, vk, extended, scan};
}
HookEvent KeyUp(DWORD vk, bool extended = false, DWORD scan = 0) {
  return {false, WM_KEYUP, vk, extended, scan};
}
HookEvent Mouse(UINT message, DWORD data = 0) {
  return {true, message, data};
}

struct Case {
  const char* what;
  std::vector<HookEvent> events;
  std::vector<int> captured;  // mouse codes negative
};

TEST(LowLevelInputTest, CapturesWhatThePlayerReleases) {
  const DWORD wheel_up = DWORD{WHEEL_DELTA} << 16;
  const DWORD wheel_down = DWORD{static_cast<WORD>(-WHEEL_DELTA)} << 16;
  const Case cases[] = {
      {"keypad 7 with NumLock off", {KeyDown(VK_HOME), KeyUp(VK_HOME)}, {95}},
      {"the dedicated Home key", {KeyDown(VK_HOME, true), KeyUp(VK_HOME, true)}, {74}},
      {"keypad Delete", {KeyDown(VK_DELETE), KeyUp(VK_DELETE)}, {99}},
      {"the main Enter", {KeyDown(VK_RETURN), KeyUp(VK_RETURN)}, {40}},
      {"the keypad Enter", {KeyDown(VK_RETURN, true), KeyUp(VK_RETURN, true)}, {88}},
      {"a release without its press (the key that opened the window)", {KeyUp('A')}, {}},
      {"a held key's repeats count once", {KeyDown('A'), KeyDown('A'), KeyDown('A'), KeyUp('A')}, {4}},
      {"Alt+F4 gives Alt's press, then F4 on its release",
       {{false, WM_SYSKEYDOWN, VK_LMENU},
        {false, WM_SYSKEYDOWN, VK_F4},
        {false, WM_SYSKEYUP, VK_F4},
        {false, WM_KEYUP, VK_LMENU}},
       {61, 167}},
      {"the generic modifiers by side",
       {KeyDown(VK_SHIFT, false, 0x36), KeyUp(VK_SHIFT, false, 0x36), KeyDown(VK_CONTROL, true),
        KeyUp(VK_CONTROL, true), KeyDown(VK_MENU), KeyUp(VK_MENU)},
       {170, 169, 167}},
      {"a key without a code", {KeyDown(0x07), KeyUp(0x07)}, {}},
      {"a press and a move do nothing", {Mouse(WM_LBUTTONDOWN), Mouse(WM_MOUSEMOVE)}, {}},
      {"the left button's release", {Mouse(WM_LBUTTONDOWN), Mouse(WM_LBUTTONUP)}, {-173}},
      {"right and middle",
       {Mouse(WM_RBUTTONDOWN), Mouse(WM_MBUTTONDOWN), Mouse(WM_MBUTTONUP), Mouse(WM_RBUTTONUP)},
       {-175, -174}},
      {"extra buttons 1 and 13; 14 gives nothing",
       {Mouse(WM_XBUTTONDOWN, 1 << 16), Mouse(WM_XBUTTONUP, 1 << 16), Mouse(WM_XBUTTONDOWN, 13 << 16),
        Mouse(WM_XBUTTONUP, 13 << 16), Mouse(WM_XBUTTONDOWN, 14 << 16), Mouse(WM_XBUTTONUP, 14 << 16)},
       {-176, -188}},
      {"a button released that was pressed before", {Mouse(WM_LBUTTONUP)}, {}},
      {"the wheels at once, by direction",
       {Mouse(WM_MOUSEWHEEL, wheel_up), Mouse(WM_MOUSEWHEEL, wheel_down), Mouse(WM_MOUSEHWHEEL, wheel_up),
        Mouse(WM_MOUSEHWHEEL, wheel_down)},
       {-189, -190, -191, -192}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LowLevelInput input;
    std::vector<int> captured;
    for (const HookEvent& e : c.events) {
      const auto key = e.mouse ? input.OnMouse(e.message, e.key_or_data)
                               : input.OnKeyboard(e.message, e.key_or_data, e.scan_code, e.extended);
      if (!key) continue;
      EXPECT_EQ(key->source, e.mouse ? InputCapture::kMouse : InputCapture::kKeyboard);
      captured.push_back(e.mouse ? -int{key->code} : int{key->code});
    }
    EXPECT_EQ(captured, c.captured);
  }
}

}  // namespace
}  // namespace torvane::platform
