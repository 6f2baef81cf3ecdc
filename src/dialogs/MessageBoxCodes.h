#pragma once

namespace torvane::dialogs {

// Message box styles: which button row the box shows.
inline constexpr int kMbOk = 0;
inline constexpr int kMbOkCancel = 1;
inline constexpr int kMbYesNoCancel = 3;
inline constexpr int kMbYesNo = 4;

// Results of a message box (and of the progress dialog: Yes for a finished write, No for a failed one).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace torvane::dialogs
