#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace torvane::skinpack {

// Writes a C++ source that defines torvane::skin::EmbeddedSkinArchive() over one constant byte array holding
// `bytes`. Throws std::runtime_error on failure.
void WriteEmbeddingSource(std::span<const std::uint8_t> bytes, const std::filesystem::path& output);

}  // namespace torvane::skinpack
