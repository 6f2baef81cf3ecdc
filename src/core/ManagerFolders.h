#pragma once

#include <string>

namespace torvane::core {

// Where the manager keeps what it stores of its own, the same for every program of the manager, so the window
// and the command line find each other's backups and news: the user's data folder of "Torvane Manager". Empty
// when the user has no data folder; every write into it then fails and is told.
std::string ManagerDataFolder();
// The backups, one folder per adapter inside.
std::string BackupFolder();
// The one news record the manager keeps, "messagefile.vqn".
std::string NewsFilePath();

}  // namespace torvane::core
