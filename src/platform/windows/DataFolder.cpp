#include "platform/DataFolder.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/windows/WideText.h"

namespace torvane::platform {

std::string ApplicationDataFolder(std::string_view application) {
  PWSTR folder = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder);
  const std::string base = SUCCEEDED(result) && folder != nullptr ? Narrow(folder) : std::string();
  ::CoTaskMemFree(folder);
  if (base.empty()) return {};
  return base + "\\" + std::string(application);
}

}  // namespace torvane::platform
