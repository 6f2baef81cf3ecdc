#pragma once

namespace torvane::editor {

// Texts of the home page as the player sees them.
inline constexpr char kStartupMark[] = "Startup";
inline constexpr char kNotesHeading[] = "\r\nThe following options in game should be set accordingly!\r\n\r\n";
inline constexpr char kSaveTitle[] = "Save Configuration";
inline constexpr char kSaveDoneText[] = "\nSave successfully!";

}  // namespace torvane::editor
