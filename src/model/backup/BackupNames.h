#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvane::model {

inline constexpr std::string_view kBackupExtension = ".tvbackup";

// The folder of one adapter's backups: its serial number as 24 lower-case hex digits.
std::string SerialFolderName(const std::array<std::uint8_t, 12>& serial);

// "20261208-013000Z.tvbackup" for a time in seconds since 1970 UTC: UTC, so the
// names sort by time whatever the clock's zone or daylight saving did. A second
// backup in the same second gets "-2", "-3", ... (`sequence` 2, 3, ...).
std::string BackupFileName(std::int64_t time, unsigned sequence = 1);

// Where a name BackupFileName made sorts among its folder's backups: its time
// stamp, then its sequence. Nothing for any other name (those are neither
// listed nor pruned).
struct BackupNameKey {
  std::string stamp;
  unsigned sequence = 1;
  friend auto operator<=>(const BackupNameKey&, const BackupNameKey&) = default;
};
std::optional<BackupNameKey> ParseBackupFileName(std::string_view name);

// "2026-12-08 01:30:00 UTC", for lists.
std::string BackupTimeText(std::int64_t time);

}  // namespace torvane::model
