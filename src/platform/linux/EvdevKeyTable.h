#pragma once

#include <cstdint>

namespace torvane::platform {

// Key code for a Linux input event key code (KEY_*), chosen so that a key
// captured on Linux gives the code Windows capture gives for the same
// physical key; 0 for keys the adapter has no code for.
std::uint8_t KeyCodeFromEvdev(std::uint32_t evdev_code);

// The same for the native scan code an X11 or Wayland key event carries,
// which is the input event code plus 8.
std::uint8_t KeyCodeFromNativeScanCode(std::uint32_t scan_code);

// Key code for a Linux mouse button (BTN_LEFT .. BTN_EXTRA, BTN_FORWARD, BTN_BACK); 0 for others.
std::uint8_t KeyCodeFromEvdevButton(std::uint32_t button_code);

}  // namespace torvane::platform
