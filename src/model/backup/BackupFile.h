#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "model/FlashImage.h"
#include "model/Version.h"

namespace torvane::model {

// What a backup says about itself, readable without its regions.
struct BackupHeader {
  Version manager_version;  // of the manager that wrote it
  Version hardware_version;
  Version boot_loader_version;
  Version firmware_version;
  std::array<std::uint8_t, 12> serial{};
  std::int64_t time = 0;  // seconds since 1970-01-01 UTC
};

enum class BackupError {
  kNone,
  kTooShort,     // smaller than an empty backup
  kNotABackup,   // wrong magic
  kNewerFormat,  // a format version this manager does not know
  kDamaged,      // the digest does not match the contents
  kBadLayout,    // digest fine, but the region table is not the one expected
};

struct ParsedBackup {
  BackupError error = BackupError::kNotABackup;
  BackupHeader header;                // valid when error is kNone
  std::unique_ptr<FlashImage> image;  // only when error is kNone
};

inline constexpr std::uint16_t kBackupFormatVersion = 1;

// The backup file of `image` as read from an adapter at `time`: header, the
// five regions, SHA-256 of all that. Empty when no SHA-256 is available.
std::vector<std::uint8_t> EncodeBackup(const FlashImage& image, std::int64_t time);

// Checks size, magic, version, digest and region table, in that order, and
// reads nothing outside `bytes`.
ParsedBackup ParseBackup(std::span<const std::uint8_t> bytes);

// Why a backup cannot be restored, for the player; empty for kNone.
std::string_view BackupErrorText(BackupError error);

}  // namespace torvane::model
