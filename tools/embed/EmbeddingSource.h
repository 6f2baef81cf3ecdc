#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace torvane::embed {

// What the generated source defines: `function` returning the bytes as std::span<const std::uint8_t>, declared in
// `header`, in `name_space`, followed by `more` (further definitions in that namespace).
struct Embedding {
  std::string generator;   // named in the source's first line
  std::string header;      // "skin/EmbeddedSkin.h"
  std::string name_space;  // "torvane::skin"
  std::string function;    // "EmbeddedSkinArchive"
  std::string more;
};

// Writes a C++ source that defines the embedding over one constant byte array holding `bytes`; an unchanged source
// keeps its time stamp. Throws std::runtime_error on failure.
void WriteEmbeddingSource(std::span<const std::uint8_t> bytes, const Embedding& embedding,
                          const std::filesystem::path& output);

}  // namespace torvane::embed
