#include "platform/DataFolder.h"
#include "platform/linux/XdgDataFolder.h"

#include <cstdlib>

namespace torvane::platform {

std::string XdgDataFolder(std::string_view application, const char* xdg_data_home, const char* home) {
  std::string base;
  // The XDG rules ignore a relative path, as the GUI toolkit does.
  if (xdg_data_home != nullptr && xdg_data_home[0] == '/') {
    base = xdg_data_home;
  } else if (home != nullptr && home[0] != '\0') {
    base = std::string(home) + "/.local/share";
  } else {
    return {};
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/" + std::string(application);
}

std::string ApplicationDataFolder(std::string_view application) {
  return XdgDataFolder(application, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace torvane::platform
