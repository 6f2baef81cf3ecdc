#pragma once

#include <cstdint>

namespace torvane::toolkit {
class CControlUI;
class WindowImplBase;
}  // namespace torvane::toolkit

namespace torvane::editor {

// User data that marks a button as one controller button's key.
inline constexpr char16_t kControllerMapKey[] = u"ControllerMapKey";

// Shows `code` on a key button or key field: its name, and the image of its class at the left. Assistive technology
// reads what the button drives before the key ("X/Square: SpaceBar", "Up: W").
void ShowKey(toolkit::CControlUI& button, std::uint8_t code);

// Asks whether a key that is taken elsewhere may be used anyway; true unless the player answers No.
bool ConfirmTakenKey(toolkit::WindowImplBase& owner);

}  // namespace torvane::editor
