#pragma once

#include <QString>

namespace torvane::app {

// Texts of the main window as the player sees them.
inline constexpr char kWindowText[] = "Torvane Manager";
inline constexpr char kInstanceLockName[] = " Torvane Mutex for Only Run";
inline constexpr char kWarningTitle[] = "Warning";
inline constexpr char kAlreadyRunningText[] = "\nManager is already running!";
inline constexpr char kDiscardQuestion[] = "Modification will be discarded if you close the window without saving.";
inline constexpr char kPrimaryMappingName[] = "Primary Mapping";
inline constexpr char kSecondaryMappingName[] = "Secondary Mapping";
inline constexpr char kDownloadAddress[] = "https://www.example.com/forum/index.php?topic=25.0";
// Followed by the address, when no browser could be opened for it.
inline constexpr char kLinkNotOpenedText[] = "No web browser could be opened. The download page is at:\n";

inline constexpr char kSaveText[] = "Save";
inline constexpr char kSaveUnsavedText[] = "Save *";
inline constexpr unsigned kSaveTextColor = 0xFF000000;
inline constexpr unsigned kSaveUnsavedTextColor = 0xFFFF0000;

// The news button while its message is unread, and once it has been read.
inline constexpr char kNewMessageText[] = "New Message";
inline constexpr char kMessageText[] = "Message";
inline constexpr unsigned kNewMessageTextColor = 0xFF007DFF;
inline constexpr unsigned kMessageTextColor = 0xFF9AA3B2;

inline constexpr char kHomeTitle[] = "Home";
inline constexpr char kEditConfigurationTitle[] = "Edit Configuration";
inline constexpr char kMacroManagerTitle[] = "Macro Manager";

inline constexpr char kInitBackground[] = "main_wnd_init_background.png";
inline constexpr char kHomeBackground[] = "maim_wnd_background.png";
inline constexpr char kEditBackground[] = "play_edit_background.png";

}  // namespace torvane::app
