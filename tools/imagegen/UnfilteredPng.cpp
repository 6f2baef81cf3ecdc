#include "UnfilteredPng.h"

#include <png.h>

#include <stdexcept>

namespace torvane::imagegen {

namespace {

void AppendTo(png_structp png, png_bytep data, png_size_t length) {
  static_cast<QByteArray*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void Flush(png_structp /*png*/) {}

[[noreturn]] void Fail(png_structp /*png*/, png_const_charp message) {
  throw std::runtime_error(std::string("cannot encode an image: ") + message);
}

}  // namespace

bool IsOpaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return true;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      if (qAlpha(line[x]) != 255) return false;
    }
  }
  return true;
}

QByteArray EncodeUnfilteredPng(const QImage& opaque) {
  const QImage rgb = opaque.convertToFormat(QImage::Format_RGB888);
  QByteArray out;
  // libpng reports errors through the callback, which throws through its C frames: that is the C++ way its manual
  // gives, and it needs no long jump.
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, nullptr);
  if (png == nullptr) throw std::runtime_error("cannot encode an image");
  png_infop info = png_create_info_struct(png);
  try {
    if (info == nullptr) throw std::runtime_error("cannot encode an image");
    png_set_write_fn(png, &out, AppendTo, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()), static_cast<png_uint_32>(rgb.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < rgb.height(); ++y) png_write_row(png, rgb.constScanLine(y));
    png_write_end(png, nullptr);
  } catch (...) {
    png_destroy_write_struct(&png, &info);
    throw;
  }
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace torvane::imagegen
