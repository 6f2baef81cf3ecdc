// Packs the layouts, images and firmware image into the skin archive, and optionally writes the C++ source that
// embeds it in the program.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "EmbeddingSource.h"
#include "SkinMembers.h"
#include "ZipWriter.h"

namespace {

void PrintUsage(const char* program) {
  std::fprintf(stderr, "usage: %s --layouts DIR --images DIR --firmware FILE --output ZIP [--embed-source CPP]\n",
               program);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace torvane::skinpack;
  SkinSources sources;
  std::filesystem::path output;
  std::filesystem::path embed_source;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const char* value = argv[i + 1];
    if (option == "--layouts") {
      sources.layouts_dir = value;
    } else if (option == "--images") {
      sources.images_dir = value;
    } else if (option == "--firmware") {
      sources.firmware = value;
    } else if (option == "--output") {
      output = value;
    } else if (option == "--embed-source") {
      embed_source = value;
    } else {
      PrintUsage(argv[0]);
      return 2;
    }
  }
  if (argc % 2 == 0 || sources.layouts_dir.empty() || sources.images_dir.empty() || sources.firmware.empty() ||
      output.empty()) {
    PrintUsage(argv[0]);
    return 2;
  }

  try {
    WriteZipArchive(CollectSkinMembers(sources), output);
    if (!embed_source.empty()) {
      std::ifstream in(output, std::ios::binary);
      const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (!in && !in.eof()) throw std::runtime_error("cannot read back " + output.string());
      torvane::embed::WriteEmbeddingSource(
          bytes, {"skinpack from the skin archive", "skin/EmbeddedSkin.h", "torvane::skin", "EmbeddedSkinArchive", ""},
          embed_source);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
