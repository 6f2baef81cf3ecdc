#include "model/catalogue/ResponseRecords.h"

#include "model/LittleEndian.h"

namespace torvane::model::catalogue {

namespace {

// The firmware's response tables map a mouse speed (the table index) to a
// stick deflection 0..255. They are generated from the identifier n so they
// are reproducible: 1 + n % 4 tables in use, table t holding
// 100 + (37n + 211t) % 901 points (never above 1000, and distinct for every n
// because 37 and 901 are coprime), rising from an offset that jumps the
// console's stick dead zone to 255 along a blend of a straight line and an
// ease-out curve. Fixed-point arithmetic (12 fraction bits) keeps the bytes
// exact on every machine and start-up fast.
constexpr int kFractionBits = 12;
constexpr int kOne = 1 << kFractionBits;

std::size_t TablesInUse(int n) {
  return 1 + static_cast<std::size_t>(n % 4);
}
int TableLength(int n, int t) {
  return 100 + (37 * n + 211 * t) % 901;
}
int TableOffset(int n, int t) {
  return 16 + (7 * n + 13 * t) % 48;
}
int EaseWeight(int n, int t) {
  return (5 * n + 3 * t) % 11;
}  // tenths

void FillTable(std::uint8_t* table, int n, int t) {
  const int length = TableLength(n, t);
  const int offset = TableOffset(n, t);
  const int weight = EaseWeight(n, t);
  WriteU16(table, static_cast<std::uint16_t>(length));
  std::uint8_t* points = table + 2;
  // Input position i / (length - 1) with 10 more fraction bits, so the loop
  // needs no division by the length and stays in 32 bits.
  const int step = (kOne << 10) / (length - 1);
  for (int i = 0; i < length - 1; ++i) {
    const int linear = (i * step) >> 10;
    const int ease = (linear * (2 * kOne - linear)) >> kFractionBits;
    const int shape = ((10 - weight) * linear + weight * ease) / 10;
    points[i] = static_cast<std::uint8_t>(offset + (((255 - offset) * shape) >> kFractionBits));
  }
  points[length - 1] = 255;  // full deflection at full speed, whatever the rounding
}

}  // namespace

std::vector<ResponseRecord> BuildDefaultResponseRecords() {
  std::vector<ResponseRecord> records(kDefaultResponseCount);  // value-initialised: unused tables stay zero
  for (std::size_t k = 0; k < records.size(); ++k) {
    ResponseRecord& record = records[k];
    const int n = static_cast<int>(k) + 1;
    record.curve_id = static_cast<std::uint16_t>(n);
    for (std::size_t t = 0; t < TablesInUse(n); ++t) {
      FillTable(record.data.data() + t * kResponseTableStride, n, static_cast<int>(t));
    }
  }
  return records;
}

}  // namespace torvane::model::catalogue
