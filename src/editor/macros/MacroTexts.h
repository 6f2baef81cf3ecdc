#pragma once

namespace torvane::editor {

inline constexpr char kEditMacroTitle[] = "Edit Macro";
// What a new step, and the one step of an empty macro, holds.
inline constexpr int kNewStepHoldTime = 100;
inline constexpr int kMaxHoldTime = 65000;

}  // namespace torvane::editor
