#include "core/ManagerFolders.h"

#include "model/exchange/NewsStore.h"
#include "platform/DataFolder.h"
#include "platform/Utf8Path.h"

namespace torvane::core {

namespace {

// With the system's own separator, so the paths the programs show read as the system writes them.
std::string Inside(const std::string& name) {
  const std::string data = ManagerDataFolder();
  return data.empty() ? std::string() : platform::Utf8FromPath(platform::PathFromUtf8(data) / name);
}

}  // namespace

std::string ManagerDataFolder() {
  return platform::ApplicationDataFolder(platform::kManagerDataName);
}

std::string BackupFolder() {
  return Inside("backups");
}

std::string NewsFilePath() {
  return Inside(model::kNewsFileName);
}

}  // namespace torvane::core
