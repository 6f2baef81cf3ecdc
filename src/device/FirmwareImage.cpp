#include "device/FirmwareImage.h"

#include <zip.h>

#include <memory>
#include <string>

#include "device/WritePlan.h"

namespace torvane::device {

namespace {

struct ArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct FileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::unique_ptr<zip_t, ArchiveDiscard> OpenArchive(std::span<const std::uint8_t> bytes) {
  zip_error_t error;
  zip_error_init(&error);
  std::unique_ptr<zip_source_t, SourceFree> source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
  std::unique_ptr<zip_t, ArchiveDiscard> archive;
  if (source) {
    archive.reset(zip_open_from_source(source.get(), ZIP_RDONLY, &error));
    // The archive owns the source once it is open.
    if (archive) static_cast<void>(source.release());
  }
  zip_error_fini(&error);
  return archive;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadZipMember(std::span<const std::uint8_t> archive_bytes,
                                                       std::string_view name, std::size_t max_size) {
  if (archive_bytes.empty()) return std::nullopt;
  auto archive = OpenArchive(archive_bytes);
  if (!archive) return std::nullopt;

  const std::string member(name);
  const zip_int64_t index = zip_name_locate(archive.get(), member.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return std::nullopt;
  const auto entry = static_cast<zip_uint64_t>(index);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), entry, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) return std::nullopt;
  if (stat.size > max_size) return std::nullopt;

  std::unique_ptr<zip_file_t, FileClose> file(zip_fopen_index(archive.get(), entry, 0));
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.size));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const zip_int64_t got = zip_fread(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got <= 0) return std::nullopt;
    filled += static_cast<std::size_t>(got);
  }
  // Reading on to the end is what makes the checksum test run; there must be nothing more.
  std::uint8_t extra = 0;
  if (zip_fread(file.get(), &extra, 1) != 0) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> LoadFirmwareImage(std::span<const std::uint8_t> skin_archive) {
  // A restore puts the boot, macro, configuration and response blocks into the
  // plan's first four slots; the image and its end byte must fit the rest.
  return ReadZipMember(skin_archive, kFirmwareMemberName, kPlanCapacity - 4 * kPlanSlotSize - 1);
}

}  // namespace torvane::device
