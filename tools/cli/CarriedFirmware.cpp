#include "CarriedFirmware.h"

#include <memory>
#include <string>

#include "device/FirmwareImage.h"

#ifdef TORVANE_CLI_HAS_SKIN
#include <zip.h>

#include "skin/EmbeddedSkin.h"
#endif

namespace torvane::cli {

#ifdef TORVANE_CLI_HAS_SKIN

namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct MemberCloser {
  void operator()(zip_file_t* member) const { zip_fclose(member); }
};

}  // namespace

std::optional<std::vector<std::uint8_t>> CarriedFirmware() {
  const std::span<const std::uint8_t> skin = skin::EmbeddedSkinArchive();
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(skin.data(), skin.size(), 0, &error);
  if (source == nullptr) return std::nullopt;
  const std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    return std::nullopt;
  }
  // Member names match without regard to case, as the manager finds them.
  const std::string name(device::kFirmwareMemberName);
  const zip_int64_t index = zip_name_locate(archive.get(), name.c_str(), ZIP_FL_NOCASE);
  zip_stat_t stat;
  if (index < 0 || zip_stat_index(archive.get(), static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      (stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > device::kMaxFirmwareSize) {
    return std::nullopt;
  }
  const std::unique_ptr<zip_file_t, MemberCloser> member(
      zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0));
  if (!member) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.size));
  if (zip_fread(member.get(), bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) return std::nullopt;
  return device::LoadFirmwareImage(bytes);
}

#else

std::optional<std::vector<std::uint8_t>> CarriedFirmware() {
  return std::nullopt;
}

#endif

}  // namespace torvane::cli
