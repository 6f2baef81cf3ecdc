#include "ImageInput.h"

#include <algorithm>
#include <array>

#include "model/RegionBytes.h"

namespace torvane::fuzz {

namespace {

template <typename Image, typename Byte = std::conditional_t<std::is_const_v<Image>, const std::uint8_t, std::uint8_t>>
std::array<std::span<Byte>, 5> InputOrder(Image& image) {
  return {model::BytesOf(image.config), model::BytesOf(image.macro), model::BytesOf(image.info),
          model::BytesOf(image.boot), model::BytesOf(image.response)};
}

}  // namespace

void OverlayImage(model::FlashImage& image, std::span<const std::uint8_t> input) {
  for (const std::span<std::uint8_t> region : InputOrder(image)) {
    const std::size_t n = std::min(region.size(), input.size());
    std::copy_n(input.begin(), n, region.begin());
    input = input.subspan(n);
  }
}

std::vector<std::uint8_t> ImageInputOf(const model::FlashImage& image) {
  std::vector<std::uint8_t> out;
  for (const std::span<const std::uint8_t> region : InputOrder(image))
    out.insert(out.end(), region.begin(), region.end());
  return out;
}

}  // namespace torvane::fuzz
