#include "UnfilteredPng.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace torvane::imagegen {

namespace {

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
  const std::array<char, 4> bytes{static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                                  static_cast<char>(value >> 8), static_cast<char>(value)};
  out.append(bytes.data(), 4);
}

// Length, type, data and the CRC-32 of type and data.
void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const QByteArray typed = QByteArray(type, 4) + data;
  out += typed;
  AppendBigEndian(out, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()),
                                                        static_cast<uInt>(typed.size()))));
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
  const auto row_bytes = static_cast<qsizetype>(rgb.width()) * 3;
  QByteArray rows;
  rows.reserve((row_bytes + 1) * rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    rows.append('\0');  // filter type None
    rows.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), row_bytes);
  }
  uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
  QByteArray packed(static_cast<qsizetype>(packed_size), Qt::Uninitialized);
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, reinterpret_cast<const Bytef*>(rows.constData()),
                static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("cannot deflate an image");
  }
  packed.truncate(static_cast<qsizetype>(packed_size));

  QByteArray header;
  AppendBigEndian(header, static_cast<std::uint32_t>(rgb.width()));
  AppendBigEndian(header, static_cast<std::uint32_t>(rgb.height()));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits a channel, RGB, deflate, no filter method, no interlace
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace torvane::imagegen
