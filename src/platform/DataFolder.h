#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// The manager's application name, which names its data folder.
inline constexpr std::string_view kManagerDataName = "Torvane Manager";

// The user's folder for the data of `application`, where the GUI toolkit puts
// it too, so every program of the manager finds the same backups: on Linux
// $XDG_DATA_HOME/<application>, with ~/.local/share when that is unset or not
// absolute. Empty when there is no home folder either.
std::string ApplicationDataFolder(std::string_view application);

// The rule above over given values of XDG_DATA_HOME and HOME (null when unset).
std::string ApplicationDataFolder(std::string_view application, const char* xdg_data_home, const char* home);

}  // namespace torvane::platform
