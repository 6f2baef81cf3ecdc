#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// The Linux data folder rule over given values of XDG_DATA_HOME and HOME (null when unset).
std::string XdgDataFolder(std::string_view application, const char* xdg_data_home, const char* home);

}  // namespace torvane::platform
