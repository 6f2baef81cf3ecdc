#pragma once

namespace torvane::editor {

// Texts of the home page as the player sees them.
inline constexpr char kStartupMark[] = "Startup";
inline constexpr char kNotesHeading[] = "\r\nThe following options in game should be set accordingly!\r\n\r\n";

}  // namespace torvane::editor
