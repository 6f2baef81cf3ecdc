#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// The manager's application name, which names its data folder.
inline constexpr std::string_view kManagerDataName = "Torvane Manager";

// The user's folder for the data of `application` (UTF-8), where the GUI
// toolkit puts it too, so every program of the manager finds the same backups:
// on Linux $XDG_DATA_HOME/<application>, with ~/.local/share when that is
// unset or not absolute; on Windows the user's roaming application data
// folder. Empty when the user has none.
std::string ApplicationDataFolder(std::string_view application);

}  // namespace torvane::platform
