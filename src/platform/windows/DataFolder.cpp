#include "platform/DataFolder.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/windows/WideText.h"

namespace torvane::platform {

std::string ApplicationDataFolder(std::string_view application) {
  // The session's %APPDATA% names the roaming folder; honouring it lets a
  // test or a portable set-up keep its backups elsewhere, as XDG_DATA_HOME does.
  if (const DWORD size = ::GetEnvironmentVariableW(L"APPDATA", nullptr, 0); size > 1) {
    std::wstring variable(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"APPDATA", variable.data(), size);
    if (length > 0 && length < size) {
      variable.resize(length);
      return Narrow(variable) + "\\" + std::string(application);
    }
  }
  PWSTR folder = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder);
  const std::string base = SUCCEEDED(result) && folder != nullptr ? Narrow(folder) : std::string();
  ::CoTaskMemFree(folder);
  if (base.empty()) return {};
  return base + "\\" + std::string(application);
}

}  // namespace torvane::platform
