#include "ZipWriter.h"

#include <zip.h>

#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>

namespace torvane::skinpack {
namespace {

struct ZipDiscarder {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscarder>;

constexpr zip_uint32_t kFileMode = 0100644;
constexpr zip_uint32_t kFolderMode = 040755;

// Zip entries store local DOS time and libzip converts through localtime(); building the time_t from a local
// calendar date makes the stored date the same in every time zone.
std::time_t FixedEntryTime() {
  std::tm date{};
  date.tm_year = 2020 - 1900;
  date.tm_mon = 0;
  date.tm_mday = 1;
  date.tm_isdst = -1;
  return std::mktime(&date);
}

[[noreturn]] void Fail(zip_t* archive, const std::string& what) {
  throw std::runtime_error(what + ": " + zip_strerror(archive));
}

}  // namespace

void WriteZipArchive(const std::vector<ArchiveMember>& members, const std::filesystem::path& output) {
  std::error_code ignored;
  std::filesystem::remove(output, ignored);

  int error_code = 0;
  // libzip takes names as UTF-8 on every system (on Windows the path's own form is UTF-16).
  const std::u8string name = output.u8string();
  ZipHandle archive(zip_open(reinterpret_cast<const char*>(name.c_str()), ZIP_CREATE | ZIP_EXCL, &error_code));
  if (!archive) {
    zip_error_t error;
    zip_error_init_with_code(&error, error_code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw std::runtime_error("cannot create " + output.string() + ": " + text);
  }

  const std::time_t entry_time = FixedEntryTime();
  for (const auto& member : members) {
    zip_int64_t index = -1;
    if (member.is_folder()) {
      index = zip_dir_add(archive.get(), member.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
      // The buffers outlive the archive handle's close below, so libzip may reference them without copying.
      zip_source_t* source = zip_source_buffer(archive.get(), member.data.data(), member.data.size(), 0);
      if (source == nullptr) Fail(archive.get(), member.name);
      index = zip_file_add(archive.get(), member.name.c_str(), source, ZIP_FL_ENC_UTF_8);
      if (index < 0) {
        zip_source_free(source);
        Fail(archive.get(), member.name);
      }
      if (zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9) != 0) {
        Fail(archive.get(), member.name);
      }
    }
    if (index < 0) Fail(archive.get(), member.name);
    const auto entry = static_cast<zip_uint64_t>(index);
    const zip_uint32_t mode = member.is_folder() ? kFolderMode : kFileMode;
    if (zip_file_set_mtime(archive.get(), entry, entry_time, 0) != 0 ||
        zip_file_set_external_attributes(archive.get(), entry, 0, ZIP_OPSYS_UNIX, mode << 16) != 0) {
      Fail(archive.get(), member.name);
    }
  }

  if (zip_close(archive.get()) != 0) Fail(archive.get(), "cannot write " + output.string());
  (void)archive.release();
}

}  // namespace torvane::skinpack
