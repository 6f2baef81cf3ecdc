#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace torvane::platform {

// Takes the PC's keyboard and mouse for one window while it captures a key, so that keys the desktop keeps for
// itself (Super, Print Screen, Alt+Tab, Alt+F4) reach it too, and turns what the player presses into key codes.
// Every key, button, move and wheel turn is swallowed while capturing; a key or button counts when it is released,
// and only if it was pressed during the capture (the click or key that opened the window does not), a wheel turn
// counts at once. Keys and buttons the adapter has no code for are swallowed and ignored.
class InputCapture {
 public:
  // The two kinds of input, as a captured key's source.
  enum Source : int { kMouse = 1, kKeyboard = 2 };
  // Gets each captured key code (never 0) with its source, on the UI thread.
  using KeySink = std::function<void(Source source, std::uint8_t code)>;

  // This system's capture.
  static std::unique_ptr<InputCapture> Create();

  virtual ~InputCapture() = default;
  // Takes the input for `window`, which is shown; starting again first gives the earlier capture up.
  virtual void Start(QWidget& window, KeySink sink) = 0;
  // Gives the keyboard and mouse back; does nothing when not capturing.
  virtual void Stop() = 0;
};

}  // namespace torvane::platform
