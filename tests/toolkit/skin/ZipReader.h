#pragma once

#include <zip.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace torvane::skintest {

// Read access to a zip archive held in memory, for checking what the packer wrote.
class ZipReader {
 public:
  struct Entry {
    std::string name;
    std::uint64_t size = 0;
    std::uint16_t method = 0;
    std::time_t mtime = 0;
  };

  // Null when the bytes are not a readable archive.
  static std::unique_ptr<ZipReader> Open(std::span<const std::uint8_t> bytes);

  const std::vector<Entry>& entries() const { return entries_; }
  const Entry* Find(const std::string& name) const;
  std::optional<std::vector<std::uint8_t>> Read(const std::string& name) const;

 private:
  struct Closer {
    void operator()(zip_t* archive) const { zip_discard(archive); }
  };
  std::unique_ptr<zip_t, Closer> archive_;
  std::vector<Entry> entries_;
};

}  // namespace torvane::skintest
