#include "model/exchange/NewsStore.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/LittleEndian.h"
#include "model/exchange/DigestField.h"

namespace torvane::model {
namespace {

struct NewsFields {
  std::array<std::uint8_t, 6> date{20, 18, 5, 1, 12, 0};
  std::string title = "Update";
  std::string link_target = "https://example.org/news";
  std::string link_caption = "Read more";
  std::string content = "New firmware is out.";
  std::uint8_t unread = 1;
  std::uint8_t kind = 1;
  std::array<std::uint8_t, 3> version{4, 5, 118};
};

// Header, the counted texts, the content and its NUL, digest last.
std::vector<std::uint8_t> MakeNews(const NewsFields& fields) {
  std::vector<std::uint8_t> record(35);
  record[0] = fields.unread;  // unread flag
  record[1] = fields.kind;
  std::copy(fields.version.begin(), fields.version.end(), record.begin() + 2);
  std::copy(fields.date.begin(), fields.date.end(), record.begin() + 21);
  WriteU16(&record[27], static_cast<std::uint16_t>(fields.title.size()));
  WriteU16(&record[29], static_cast<std::uint16_t>(fields.link_target.size()));
  WriteU16(&record[31], static_cast<std::uint16_t>(fields.link_caption.size()));
  for (const std::string* text : {&fields.title, &fields.link_target, &fields.link_caption, &fields.content}) {
    record.insert(record.end(), text->begin(), text->end());
  }
  record.push_back(0);
  EXPECT_TRUE(StampDigest(record, 5));
  return record;
}

TEST(NewsStoreTest, StoredRecordShowsItsTexts) {
  NewsStore store;
  EXPECT_FALSE(store.has_news());
  EXPECT_EQ(store.content(), "");
  const std::vector<std::uint8_t> record = MakeNews({});
  ASSERT_EQ(store.Receive(record), NewsReceipt::kStored);
  EXPECT_TRUE(store.unread());
  EXPECT_EQ(store.title(), "Update");
  EXPECT_EQ(store.link_target(), "https://example.org/news");
  EXPECT_EQ(store.link_caption(), "Read more");
  EXPECT_EQ(store.content(), "New firmware is out.");
  EXPECT_TRUE(store.has_link());
  EXPECT_EQ(store.date(), 201805011200u);
  EXPECT_EQ(std::vector<std::uint8_t>(store.file_bytes().begin(), store.file_bytes().end()), record);
  EXPECT_STREQ(kNewsFileName, "messagefile.vqn");
}

TEST(NewsStoreTest, NoCaptionMeansNoLinkAndEmptyTitleStaysEmpty) {
  NewsStore store;
  NewsFields fields;
  fields.title.clear();
  fields.link_caption.clear();
  ASSERT_EQ(store.Receive(MakeNews(fields)), NewsReceipt::kStored);
  EXPECT_FALSE(store.has_link());
  EXPECT_EQ(store.title(), "");
  EXPECT_EQ(store.link_target(), "https://example.org/news");
  EXPECT_EQ(store.content(), "New firmware is out.");
}

TEST(NewsStoreTest, OnlyALaterDateReplacesTheHeldRecord) {
  NewsStore store;
  NewsFields first;
  first.date = {0, 0, 0, 0, 1, 0};  // 100
  ASSERT_EQ(store.Receive(MakeNews(first)), NewsReceipt::kStored);
  NewsFields same = first;
  same.content = "other";
  EXPECT_EQ(store.Receive(MakeNews(same)), NewsReceipt::kNotNewer);
  EXPECT_EQ(store.content(), "New firmware is out.");

  // 150 is later than 100 in base 100, though its bytes compare lower.
  NewsFields later = same;
  later.date = {0, 0, 0, 0, 0, 150};
  EXPECT_EQ(store.Receive(MakeNews(later)), NewsReceipt::kStored);
  EXPECT_EQ(store.content(), "other");
}

TEST(NewsStoreTest, RefusalsInTheirOrder) {
  NewsStore store;
  std::vector<std::uint8_t> record = MakeNews({});
  record[40] ^= 1;
  EXPECT_EQ(store.Receive(record), NewsReceipt::kBadDigest);

  NewsFields own;
  own.kind = 0;
  EXPECT_EQ(store.Receive(MakeNews(own)), NewsReceipt::kOwnVersion);
  own.version = {4, 5, 117};
  EXPECT_EQ(store.Receive(MakeNews(own)), NewsReceipt::kStored);

  NewsFields long_one;
  long_one.date = {99, 0, 0, 0, 0, 0};
  long_one.content.clear();
  const std::size_t content_size = 63999 - MakeNews(long_one).size();
  long_one.content.assign(content_size, 'x');
  ASSERT_EQ(MakeNews(long_one).size(), 63999u);
  EXPECT_EQ(store.Receive(MakeNews(long_one)), NewsReceipt::kStored);
  long_one.date = {99, 1, 0, 0, 0, 0};
  long_one.content += 'x';
  EXPECT_EQ(store.Receive(MakeNews(long_one)), NewsReceipt::kTooLong);
  EXPECT_EQ(store.content().size(), content_size);
}

TEST(NewsStoreTest, HostileLengthsAreRejected) {
  NewsStore store;
  auto restamped = [](std::vector<std::uint8_t> record) {
    EXPECT_TRUE(StampDigest(record, 5));
    return record;
  };
  std::vector<std::uint8_t> record = MakeNews({});
  std::vector<std::uint8_t> hostile = record;
  WriteU16(&hostile[27], 0xFFFF);  // title runs far past the end
  EXPECT_EQ(store.Receive(restamped(hostile)), NewsReceipt::kMalformed);

  hostile = record;
  const std::size_t texts = record.size() - 35 - 1;
  WriteU16(&hostile[31], static_cast<std::uint16_t>(texts - 6 - 24 + 1));  // caption swallows the content's NUL
  EXPECT_EQ(store.Receive(restamped(hostile)), NewsReceipt::kMalformed);

  hostile = record;
  hostile.back() = '!';  // content without a terminator
  EXPECT_EQ(store.Receive(restamped(hostile)), NewsReceipt::kMalformed);

  for (std::size_t size : {0u, 4u, 21u, 35u}) {
    std::vector<std::uint8_t> stub(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(store.Receive(stub), NewsReceipt::kMalformed) << size;
  }
  EXPECT_FALSE(store.has_news());
}

TEST(NewsStoreTest, MarkingReadRestampsOnce) {
  NewsStore store;
  EXPECT_FALSE(store.MarkRead());
  ASSERT_EQ(store.Receive(MakeNews({})), NewsReceipt::kStored);
  EXPECT_TRUE(store.MarkRead());
  EXPECT_FALSE(store.unread());
  EXPECT_EQ(store.file_bytes()[0], 0);
  EXPECT_TRUE(VerifyDigest(store.file_bytes(), 5));
  EXPECT_FALSE(store.MarkRead());
  // The same message again is not newer, so it stays read.
  EXPECT_EQ(store.Receive(MakeNews({})), NewsReceipt::kNotNewer);
  EXPECT_FALSE(store.unread());
}

}  // namespace
}  // namespace torvane::model
