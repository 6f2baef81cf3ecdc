#include "ZipReader.h"

namespace torvane::skintest {

std::unique_ptr<ZipReader> ZipReader::Open(std::span<const std::uint8_t> bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (source == nullptr) return nullptr;
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  zip_error_fini(&error);
  if (archive == nullptr) {
    zip_source_free(source);
    return nullptr;
  }
  auto reader = std::unique_ptr<ZipReader>(new ZipReader);
  reader->archive_.reset(archive);
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) return nullptr;
    reader->entries_.push_back({stat.name, stat.size, stat.comp_method, stat.mtime});
  }
  return reader;
}

const ZipReader::Entry* ZipReader::Find(const std::string& name) const {
  for (const auto& entry : entries_) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

std::optional<std::vector<std::uint8_t>> ZipReader::Read(const std::string& name) const {
  const Entry* entry = Find(name);
  if (entry == nullptr) return std::nullopt;
  zip_file_t* file = zip_fopen(archive_.get(), name.c_str(), 0);
  if (file == nullptr) return std::nullopt;
  std::vector<std::uint8_t> data(entry->size);
  const zip_int64_t got = zip_fread(file, data.data(), data.size());
  zip_fclose(file);
  if (got < 0 || static_cast<std::uint64_t>(got) != entry->size) return std::nullopt;
  return data;
}

}  // namespace torvane::skintest
