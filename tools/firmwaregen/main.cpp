// Writes the placeholder firmware image that the skin archive carries.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "PlaceholderFirmware.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const auto image = torvane::firmwaregen::MakePlaceholderFirmware();
  // An unchanged file keeps its time stamp, so rebuilding this tool does not repack the skin.
  std::ifstream existing(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> old_bytes((std::istreambuf_iterator<char>(existing)),
                                            std::istreambuf_iterator<char>());
  if (old_bytes == image) return 0;
  existing.close();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
