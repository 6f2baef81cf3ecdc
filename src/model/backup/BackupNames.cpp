#include "model/backup/BackupNames.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace torvane::model {

namespace {

struct CivilTime {
  int year;
  unsigned month, day;
  long long hour, minute, second;
};

CivilTime ToCivil(std::int64_t time) {
  using namespace std::chrono;
  const sys_seconds point{seconds{time}};
  const sys_days day = floor<days>(point);
  const year_month_day date{day};
  const long long in_day = (point - day).count();
  return {static_cast<int>(date.year()),
          static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()),
          in_day / 3600,
          in_day / 60 % 60,
          in_day % 60};
}

}  // namespace

std::string SerialFolderName(const std::array<std::uint8_t, 12>& serial) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name;
  for (const std::uint8_t byte : serial) {
    name += kHex[byte >> 4];
    name += kHex[byte & 0x0F];
  }
  return name;
}

std::string BackupFileName(std::int64_t time, unsigned sequence) {
  const CivilTime t = ToCivil(time);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02u%02u-%02lld%02lld%02lldZ", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  std::string name = text;
  // Appended piece by piece: GCC 12 at -O3 takes "-" + std::to_string(...) for an overlapping copy.
  if (sequence > 1) {
    name += '-';
    name += std::to_string(sequence);
  }
  name += kBackupExtension;
  return name;
}

std::optional<BackupNameKey> ParseBackupFileName(std::string_view name) {
  // "YYYYMMDD-HHMMSSZ", an optional "-N" of up to six digits, the extension.
  constexpr std::size_t kStamp = 16;
  if (name.size() < kStamp + kBackupExtension.size() || !name.ends_with(kBackupExtension)) return std::nullopt;
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::string_view stem = name.substr(0, name.size() - kBackupExtension.size());
  if (!digits(stem.substr(0, 8)) || stem[8] != '-' || !digits(stem.substr(9, 6)) || stem[15] != 'Z') {
    return std::nullopt;
  }
  BackupNameKey key{std::string(stem.substr(0, kStamp)), 1};
  const std::string_view rest = stem.substr(kStamp);
  if (rest.empty()) return key;
  const std::string_view number = rest.substr(1);
  if (rest[0] != '-' || number.size() > 6 || !digits(number)) return std::nullopt;
  key.sequence = static_cast<unsigned>(std::stoul(std::string(number)));
  return key;
}

std::string BackupTimeText(std::int64_t time) {
  const CivilTime t = ToCivil(time);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02lld:%02lld:%02lld UTC", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

}  // namespace torvane::model
