// Parses a backup file's bytes, as they come or with a matching digest, and
// writes a parsed one back out: the same bytes must come out.

#include <algorithm>
#include <vector>

#include "Require.h"
#include "model/backup/BackupFile.h"
#include "model/backup/Sha256.h"

namespace {

using namespace torvane;

constexpr std::size_t kDigestSize = 32;

void Parse(std::span<const std::uint8_t> file) {
  const model::ParsedBackup parsed = model::ParseBackup(file);
  fuzz::Require((parsed.error == model::BackupError::kNone) == (parsed.image != nullptr),
                "an image without success or success without an image");
  if (!parsed.image) return;
  const std::vector<std::uint8_t> again = model::EncodeBackup(*parsed.image, parsed.header.time);
  // The header's versions and serial come from the image, so only a file written that way reads back the same.
  if (again.size() == file.size() && std::equal(again.begin(), again.end(), file.begin())) return;
  const model::ParsedBackup reparsed = model::ParseBackup(again);
  fuzz::Require(reparsed.error == model::BackupError::kNone, "a backup written from a parsed one does not parse");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  // The digest costs most of an execution; the unstamped bytes add only the damaged case.
  if (size < kDigestSize || (data[size - 1] & 1) != 0) {
    Parse(input);
    return 0;
  }
  std::vector<std::uint8_t> stamped(input.begin(), input.end());
  const auto body = std::span<const std::uint8_t>(stamped).first(size - kDigestSize);
  if (const auto digest = model::Sha256(body)) {
    std::copy(digest->begin(), digest->end(), stamped.end() - static_cast<std::ptrdiff_t>(kDigestSize));
    Parse(stamped);
  }
  return 0;
}
