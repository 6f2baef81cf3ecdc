// Writes the placeholder firmware image the programs carry: as a file for the skin archive, and as the C++ source
// of the firmware library, with the image's CRC-32 for the check on every read.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "EmbeddingSource.h"
#include "PlaceholderFirmware.h"

namespace {

// An unchanged file keeps its time stamp, so rebuilding this tool does not repack the skin.
bool WriteIfChanged(const char* path, const std::vector<std::uint8_t>& image) {
  std::ifstream existing(path, std::ios::binary);
  const std::vector<std::uint8_t> old_bytes((std::istreambuf_iterator<char>(existing)),
                                            std::istreambuf_iterator<char>());
  if (old_bytes == image) return true;
  existing.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--embed-source")) {
    std::fprintf(stderr, "usage: %s OUTPUT [--embed-source CPP]\n", argv[0]);
    return 2;
  }
  const auto image = torvane::firmwaregen::MakePlaceholderFirmware();
  if (!WriteIfChanged(argv[1], image)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  if (argc == 4) {
    const unsigned long crc = ::crc32(0L, image.data(), static_cast<uInt>(image.size()));
    char more[96];
    std::snprintf(more, sizeof more, "std::uint32_t EmbeddedFirmwareCrc32() { return 0x%08lXu; }\n", crc);
    try {
      torvane::embed::WriteEmbeddingSource(
          image, {"firmwaregen", "firmware/EmbeddedFirmware.h", "torvane::firmware", "EmbeddedFirmwareImage", more},
          argv[3]);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
      return 1;
    }
  }
  return 0;
}
