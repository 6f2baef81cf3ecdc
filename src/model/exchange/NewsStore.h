#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace torvane::model {

inline constexpr char kNewsFileName[] = "messagefile.vqn";
inline constexpr std::size_t kNewsBufferSize = 64000;

// Why a received news record was or was not taken.
enum class NewsReceipt {
  kStored,  // now held; write file_bytes() to the news file
  kBadDigest,
  kNotNewer,    // dated no later than the held one
  kTooLong,     // 64000 bytes or more
  kOwnVersion,  // kind 0 for this very manager version: nothing to tell
  kMalformed,   // a text runs past the record, or the content has no terminator
};

// The one news message the manager keeps, as received: a byte record with an
// unread flag, a digest, a date and counted texts, then a NUL-terminated content.
class NewsStore {
 public:
  NewsStore();

  // The receiving checks in their fixed order; only a record that passes
  // them all replaces the held one.
  NewsReceipt Receive(std::span<const std::uint8_t> record);

  // Clears the unread flag and re-stamps the digest; true when the flag was
  // set and the news file needs writing again.
  bool MarkRead();

  bool has_news() const { return length_ != 0; }
  bool unread() const { return has_news() && buffer_[0] != 0; }
  // d0 x 100^5 + d1 x 100^4 + ... + d5 of the six date bytes.
  std::uint64_t date() const;

  // Texts of the held record, narrow text like the names (the platform's narrow
  // text codec makes display text of them); empty when none is held.
  std::string_view title() const;
  std::string_view link_target() const;
  std::string_view link_caption() const;
  std::string_view content() const;
  // A message has a link button only when its caption has a length.
  bool has_link() const { return !link_caption().empty(); }

  // The held record as the news file stores it.
  std::span<const std::uint8_t> file_bytes() const { return {buffer_.data(), length_}; }

 private:
  std::string_view Text(std::size_t offset, std::size_t length) const;

  std::vector<std::uint8_t> buffer_;  // kNewsBufferSize bytes, zero past length_
  std::size_t length_ = 0;
};

}  // namespace torvane::model
