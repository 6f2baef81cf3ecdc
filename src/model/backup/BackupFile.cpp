#include "model/backup/BackupFile.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "model/LittleEndian.h"
#include "model/RegionBytes.h"
#include "model/backup/Sha256.h"

namespace torvane::model {

namespace {

constexpr std::array<std::uint8_t, 8> kMagic{'T', 'V', 'B', 'A', 'C', 'K', 'U', 'P'};

// The fixed start of a backup file.
struct FileHeader {
  std::array<std::uint8_t, 8> magic;
  U16le format_version;
  Version manager_version;
  Version hardware_version;
  Version boot_loader_version;
  Version firmware_version;
  std::uint8_t reserved_22;
  std::array<std::uint8_t, 12> serial;
  LittleEndian<std::int64_t> time;
  std::uint8_t region_count;
};
static_assert(sizeof(FileHeader) == 44);
static_assert(offsetof(FileHeader, format_version) == 8);
static_assert(offsetof(FileHeader, serial) == 23);
static_assert(offsetof(FileHeader, time) == 35);
static_assert(offsetof(FileHeader, region_count) == 43);

// One row of the region table after the header; the regions follow the table in its order.
struct RegionRow {
  std::uint8_t id;
  U32le address;
  U32le length;
};
static_assert(sizeof(RegionRow) == 9);

template <typename Byte>
struct RegionSlot {
  std::uint32_t address;
  std::span<Byte> bytes;
};

constexpr std::size_t kRegionCount = 5;

// The regions in file order, over a const image for writing and a mutable one for reading.
template <typename Image, typename Byte = std::conditional_t<std::is_const_v<Image>, const std::uint8_t, std::uint8_t>>
std::array<RegionSlot<Byte>, kRegionCount> Slots(Image& image) {
  return {{{kInfoBlockAddress, BytesOf(image.info)},
           {kBootBlockAddress, BytesOf(image.boot)},
           {kMacroBlockAddress, BytesOf(image.macro)},
           {kConfigBlockAddress, BytesOf(image.config)},
           {kResponseBlockAddress, BytesOf(image.response)}}};
}

constexpr std::size_t kTableSize = kRegionCount * sizeof(RegionRow);
constexpr std::size_t kRegionBytes =
    sizeof(InfoBlock) + sizeof(BootBlock) + sizeof(MacroBlock) + sizeof(ConfigBlock) + sizeof(ResponseBlock);
constexpr std::size_t kDigestSize = std::tuple_size_v<Sha256Digest>;
constexpr std::size_t kFileSize = sizeof(FileHeader) + kTableSize + kRegionBytes + kDigestSize;

template <typename T>
T Load(std::span<const std::uint8_t> bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

}  // namespace

std::vector<std::uint8_t> EncodeBackup(const FlashImage& image, std::int64_t time) {
  FileHeader header{};
  header.magic = kMagic;
  header.format_version = kBackupFormatVersion;
  header.manager_version = kManagerVersion;
  header.hardware_version = image.info.hardware_version;
  header.boot_loader_version = image.info.boot_loader_version;
  header.firmware_version = image.boot.firmware_version;
  header.serial = image.info.serial;
  header.time = time;
  header.region_count = static_cast<std::uint8_t>(kRegionCount);

  std::vector<std::uint8_t> out;
  out.reserve(kFileSize);
  const auto append = [&out](std::span<const std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
  };
  append(BytesOf(header));
  const auto slots = Slots(image);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const RegionRow row{static_cast<std::uint8_t>(i), slots[i].address,
                        static_cast<std::uint32_t>(slots[i].bytes.size())};
    append(BytesOf(row));
  }
  for (const auto& slot : slots) append(slot.bytes);
  const auto digest = Sha256(out);
  if (!digest) return {};
  append(*digest);
  return out;
}

ParsedBackup ParseBackup(std::span<const std::uint8_t> bytes) {
  ParsedBackup parsed;
  if (bytes.size() < sizeof(FileHeader) + kDigestSize) {
    parsed.error = BackupError::kTooShort;
    return parsed;
  }
  const auto header = Load<FileHeader>(bytes, 0);
  if (header.magic != kMagic) {
    parsed.error = BackupError::kNotABackup;
    return parsed;
  }
  if (header.format_version != kBackupFormatVersion) {
    parsed.error = BackupError::kNewerFormat;
    return parsed;
  }
  const auto body = bytes.first(bytes.size() - kDigestSize);
  const auto digest = Sha256(body);
  if (!digest ||
      !std::equal(digest->begin(), digest->end(), bytes.begin() + static_cast<std::ptrdiff_t>(body.size()))) {
    parsed.error = BackupError::kDamaged;
    return parsed;
  }
  // A correct digest only says the file is as its writer left it; the table must still fit this manager's image.
  parsed.error = BackupError::kBadLayout;
  if (bytes.size() != kFileSize || header.region_count != kRegionCount) return parsed;
  auto image = MakeFlashImage();
  const auto slots = Slots(*image);
  std::size_t offset = sizeof(FileHeader) + kTableSize;
  for (std::size_t i = 0; i < kRegionCount; ++i) {
    const auto row = Load<RegionRow>(bytes, sizeof(FileHeader) + i * sizeof(RegionRow));
    if (row.id != i || row.address != slots[i].address || row.length != slots[i].bytes.size()) return parsed;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), row.length, slots[i].bytes.begin());
    offset += row.length;
  }
  parsed.error = BackupError::kNone;
  parsed.header = {header.manager_version,  header.hardware_version, header.boot_loader_version,
                   header.firmware_version, header.serial,           header.time};
  parsed.image = std::move(image);
  return parsed;
}

std::string_view BackupErrorText(BackupError error) {
  switch (error) {
    case BackupError::kNone:
      return {};
    case BackupError::kTooShort:
      return "The file is too short to be a backup.";
    case BackupError::kNotABackup:
      return "The file is not a backup of the adapter's settings.";
    case BackupError::kNewerFormat:
      return "The backup was made by a newer Torvane Manager.";
    case BackupError::kDamaged:
      return "The backup is damaged: its contents do not match its digest.";
    case BackupError::kBadLayout:
      return "The backup holds regions of unexpected places or sizes.";
  }
  return "The backup cannot be read.";
}

}  // namespace torvane::model
