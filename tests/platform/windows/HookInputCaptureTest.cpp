// The low-level hooks on a real message loop: input injected into the system reaches the capture (and nothing
// else) while it runs, and the hooks are gone after it.
#include <gtest/gtest.h>
#include <windows.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <utility>
#include <vector>

#include "platform/windows/HookInputCapture.h"

namespace torvane::platform {
namespace {

INPUT KeyInput(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = flags;
  return input;
}

INPUT MouseInput(DWORD flags, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  return input;
}

void Inject(std::vector<INPUT> inputs) {
  ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
}

using Captured = std::vector<std::pair<int, int>>;  // source, code

void PumpUntil(const Captured& captured, std::size_t count, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (captured.size() < count && clock.elapsed() < timeout_ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

TEST(HookInputCaptureTest, TakesTheSystemsInputWhileCapturingAndGivesItBack) {
  int argc = 1;
  char name[] = "platform_capture_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QWidget window;
  window.resize(200, 100);
  window.show();

  HookInputCapture capture;
  Captured captured;
  capture.Start(window, [&](InputCapture::Source source, std::uint8_t code) { captured.emplace_back(source, code); });
  ASSERT_TRUE(capture.hooked());
  const DWORD wheel_down = static_cast<DWORD>(-WHEEL_DELTA);
  Inject({KeyInput(VK_HOME, 0), KeyInput(VK_HOME, KEYEVENTF_KEYUP), KeyInput(VK_HOME, KEYEVENTF_EXTENDEDKEY),
          KeyInput(VK_HOME, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP), MouseInput(MOUSEEVENTF_RIGHTDOWN),
          MouseInput(MOUSEEVENTF_RIGHTUP), MouseInput(MOUSEEVENTF_WHEEL, wheel_down)});
  PumpUntil(captured, 4, 5000);
  const Captured expected{{InputCapture::kKeyboard, 95},  // keypad 7: Home without the extended flag
                          {InputCapture::kKeyboard, 74},
                          {InputCapture::kMouse, 174},
                          {InputCapture::kMouse, 190}};
  EXPECT_EQ(captured, expected);

  capture.Stop();
  EXPECT_FALSE(capture.hooked());
  Inject({KeyInput('A', 0), KeyInput('A', KEYEVENTF_KEYUP)});
  PumpUntil(captured, 5, 300);
  EXPECT_EQ(captured.size(), expected.size()) << "a key reached a capture that had stopped";
}

}  // namespace
}  // namespace torvane::platform
