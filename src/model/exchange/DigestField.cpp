#include "model/exchange/DigestField.h"

#include <algorithm>
#include <optional>

#include "model/exchange/Md5.h"

namespace torvane::model {

namespace {

constexpr Md5Digest kZeroField{};

// The image's digest with the field counted as zeros, hashed in three pieces
// so the caller's bytes are never touched.
std::optional<Md5Digest> DigestWithZeroField(std::span<const std::uint8_t> image, std::size_t offset) {
  if (offset > image.size() || image.size() - offset < kZeroField.size()) return std::nullopt;
  return Md5({image.first(offset), kZeroField, image.subspan(offset + kZeroField.size())});
}

}  // namespace

bool StampDigest(std::span<std::uint8_t> image, std::size_t offset) {
  const std::optional<Md5Digest> digest = DigestWithZeroField(image, offset);
  if (!digest) return false;
  std::copy(digest->begin(), digest->end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
  return true;
}

bool VerifyDigest(std::span<const std::uint8_t> image, std::size_t offset) {
  const std::optional<Md5Digest> digest = DigestWithZeroField(image, offset);
  if (!digest) return false;
  return std::equal(digest->begin(), digest->end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace torvane::model
