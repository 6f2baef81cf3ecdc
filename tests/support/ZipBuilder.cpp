#include "support/ZipBuilder.h"

#include <zip.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace torvane::testing {

namespace {
struct SourceDeleter {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
}  // namespace

QByteArray BuildZip(const ZipMembers& members) {
  zip_error_t error;
  zip_error_init(&error);
  std::unique_ptr<zip_source_t, SourceDeleter> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!buffer) throw std::runtime_error("zip_source_buffer_create failed");
  zip_source_keep(buffer.get());  // the archive's close would free it otherwise; its bytes are read after
  zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
  if (!archive) throw std::runtime_error("zip_open_from_source failed");
  for (const auto& [name, data] : members) {
    zip_source_t* member = zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
    const zip_int64_t index = member ? zip_file_add(archive, name.toUtf8().constData(), member, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (member) zip_source_free(member);
      zip_discard(archive);
      throw std::runtime_error("zip_file_add failed");
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    throw std::runtime_error("zip_close failed");
  }
  zip_error_fini(&error);

  QByteArray bytes;
  if (zip_source_open(buffer.get()) != 0) throw std::runtime_error("zip_source_open failed");
  zip_source_seek(buffer.get(), 0, SEEK_END);
  const zip_int64_t size = zip_source_tell(buffer.get());
  zip_source_seek(buffer.get(), 0, SEEK_SET);
  bytes.resize(static_cast<qsizetype>(size));
  const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), static_cast<zip_uint64_t>(size));
  zip_source_close(buffer.get());
  if (read != size) throw std::runtime_error("zip_source_read failed");
  return bytes;
}

}  // namespace torvane::testing
