#include "core/ManagerFolders.h"

#include "model/exchange/NewsStore.h"
#include "platform/DataFolder.h"

namespace torvane::core {

namespace {

std::string Inside(const std::string& name) {
  const std::string data = ManagerDataFolder();
  return data.empty() ? std::string() : data + "/" + name;
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
