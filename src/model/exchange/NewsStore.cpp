#include "model/exchange/NewsStore.h"

#include <algorithm>

#include "model/LittleEndian.h"
#include "model/Version.h"
#include "model/exchange/DigestField.h"

namespace torvane::model {

namespace {

constexpr std::size_t kUnreadOffset = 0;
constexpr std::size_t kKindOffset = 1;
constexpr std::size_t kVersionOffset = 2;
constexpr std::size_t kDigestOffset = 5;
constexpr std::size_t kDateOffset = 21;
constexpr std::size_t kDateBytes = 6;
constexpr std::size_t kTitleLengthOffset = 27;
constexpr std::size_t kLinkTargetLengthOffset = 29;
constexpr std::size_t kLinkCaptionLengthOffset = 31;
constexpr std::size_t kTextsOffset = 35;

std::uint64_t DateNumber(std::span<const std::uint8_t> record) {
  std::uint64_t number = 0;
  for (std::size_t i = 0; i < kDateBytes; ++i) number = number * 100 + record[kDateOffset + i];
  return number;
}

struct TextLayout {
  std::size_t title;
  std::size_t link_target;
  std::size_t link_caption;
  std::size_t content;  // offset of the content
};

TextLayout LayoutOf(std::span<const std::uint8_t> record) {
  TextLayout layout{};
  layout.title = ReadU16(record.data() + kTitleLengthOffset);
  layout.link_target = ReadU16(record.data() + kLinkTargetLengthOffset);
  layout.link_caption = ReadU16(record.data() + kLinkCaptionLengthOffset);
  layout.content = kTextsOffset + layout.title + layout.link_target + layout.link_caption;
  return layout;
}

// The counted texts lie inside the record and the content ends in a NUL
// before the record does.
bool TextsFit(std::span<const std::uint8_t> record) {
  const TextLayout layout = LayoutOf(record);
  if (layout.content >= record.size()) return false;
  return std::find(record.begin() + static_cast<std::ptrdiff_t>(layout.content), record.end(), 0) != record.end();
}

bool IsOwnVersionNotice(std::span<const std::uint8_t> record) {
  const Version version{record[kVersionOffset], record[kVersionOffset + 1], record[kVersionOffset + 2]};
  return record[kKindOffset] == 0 && version == kManagerVersion;
}

}  // namespace

NewsStore::NewsStore() : buffer_(kNewsBufferSize, 0) {}

NewsReceipt NewsStore::Receive(std::span<const std::uint8_t> record) {
  // Shorter than the header and a content terminator: nothing can be read from it.
  if (record.size() <= kTextsOffset) return NewsReceipt::kMalformed;
  if (!VerifyDigest(record, kDigestOffset)) return NewsReceipt::kBadDigest;
  if (has_news() && date() >= DateNumber(record)) return NewsReceipt::kNotNewer;
  if (record.size() >= kNewsBufferSize) return NewsReceipt::kTooLong;
  if (IsOwnVersionNotice(record)) return NewsReceipt::kOwnVersion;
  if (!TextsFit(record)) return NewsReceipt::kMalformed;

  std::fill(buffer_.begin(), buffer_.end(), std::uint8_t{0});
  std::copy(record.begin(), record.end(), buffer_.begin());
  length_ = record.size();
  return NewsReceipt::kStored;
}

bool NewsStore::MarkRead() {
  if (!unread()) return false;
  const std::uint8_t flag = buffer_[kUnreadOffset];
  buffer_[kUnreadOffset] = 0;
  if (!StampDigest(std::span<std::uint8_t>(buffer_.data(), length_), kDigestOffset)) {
    // Keep the record consistent with its digest; it stays unread.
    buffer_[kUnreadOffset] = flag;
    return false;
  }
  return true;
}

std::uint64_t NewsStore::date() const {
  return has_news() ? DateNumber(file_bytes()) : 0;
}

std::string_view NewsStore::Text(std::size_t offset, std::size_t length) const {
  // Held records passed TextsFit; the clamps only keep this safe on its own.
  if (offset >= length_) return {};
  length = std::min(length, length_ - offset);
  return {reinterpret_cast<const char*>(buffer_.data() + offset), length};
}

std::string_view NewsStore::title() const {
  if (!has_news()) return {};
  const TextLayout layout = LayoutOf(file_bytes());
  return Text(kTextsOffset, layout.title);
}

std::string_view NewsStore::link_target() const {
  if (!has_news()) return {};
  const TextLayout layout = LayoutOf(file_bytes());
  return Text(kTextsOffset + layout.title, layout.link_target);
}

std::string_view NewsStore::link_caption() const {
  if (!has_news()) return {};
  const TextLayout layout = LayoutOf(file_bytes());
  return Text(kTextsOffset + layout.title + layout.link_target, layout.link_caption);
}

std::string_view NewsStore::content() const {
  if (!has_news()) return {};
  const std::string_view rest = Text(LayoutOf(file_bytes()).content, length_);
  return rest.substr(0, rest.find('\0'));
}

}  // namespace torvane::model
