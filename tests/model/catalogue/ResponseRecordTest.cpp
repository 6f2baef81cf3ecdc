#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "model/LittleEndian.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/ResponseRecords.h"

namespace torvane::model {
namespace {

using catalogue::kResponseTableSize;
using catalogue::kResponseTableStride;

TEST(ResponseRecordTest, RecordsHaveDistinctIdentifiersAndContent) {
  const std::span<const ResponseRecord> records = DefaultResponseRecords();
  ASSERT_EQ(records.size(), 159u);
  std::set<std::uint16_t> ids;
  std::set<std::vector<std::uint8_t>> contents;
  for (const ResponseRecord& record : records) {
    EXPECT_TRUE(ids.insert(record.curve_id.get()).second) << record.curve_id.get();
    contents.emplace(record.data.begin(), record.data.end());
  }
  EXPECT_EQ(contents.size(), records.size());
}

TEST(ResponseRecordTest, TablesStayWithinTheirLengthAndRiseSmoothlyToFullDeflection) {
  for (const ResponseRecord& record : DefaultResponseRecords()) {
    SCOPED_TRACE(record.curve_id.get());
    bool unused_seen = false;
    for (std::size_t t = 0; t < 4; ++t) {
      const std::uint8_t* table = record.data.data() + t * kResponseTableStride;
      const std::size_t length = ReadU16(table);
      ASSERT_LE(length, kResponseTableSize);
      // Used tables come first.
      if (length == 0) unused_seen = true;
      EXPECT_FALSE(unused_seen && length != 0) << "table " << t;
      const std::uint8_t* points = table + 2;
      for (std::size_t i = length; i < kResponseTableSize; ++i) ASSERT_EQ(points[i], 0) << "table " << t << " at " << i;
      if (length == 0) continue;
      EXPECT_EQ(points[length - 1], 255);
      for (std::size_t i = 1; i < length; ++i) {
        ASSERT_GE(points[i], points[i - 1]) << "table " << t << " at " << i;
        ASSERT_LE(points[i] - points[i - 1], 8) << "table " << t << " jumps at " << i;
      }
    }
    EXPECT_NE(ReadU16(record.data.data()), 0) << "every record uses its first table";
  }
}

TEST(ResponseRecordTest, LookupFindsByIdentifierAndEveryCatalogueCurveResolves) {
  const ResponseRecord* first = DefaultResponseRecord(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, &DefaultResponseRecords()[0]);
  EXPECT_EQ(DefaultResponseRecord(0), nullptr);
  EXPECT_EQ(DefaultResponseRecord(160), nullptr);
  EXPECT_EQ(DefaultResponseRecord(0xFFFF), nullptr);
  for (int host = 0; host < 5; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) {
      const ResponseRecord* response = DefaultResponseRecord(record.curve_id);
      ASSERT_NE(response, nullptr) << record.name.data();
      EXPECT_EQ(response->curve_id.get(), record.curve_id.get());
    }
  }
}

TEST(ResponseRecordTest, BuildingAgainGivesTheSameBytes) {
  const std::vector<ResponseRecord> again = catalogue::BuildDefaultResponseRecords();
  const std::span<const ResponseRecord> shared = DefaultResponseRecords();
  ASSERT_EQ(again.size(), shared.size());
  EXPECT_EQ(std::memcmp(again.data(), shared.data(), again.size() * sizeof(ResponseRecord)), 0);
}

}  // namespace
}  // namespace torvane::model
