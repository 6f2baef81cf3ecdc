#pragma once

// News records as the news server sends them, for the tests of the news button and dialog.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "model/LittleEndian.h"
#include "model/exchange/DigestField.h"

namespace torvane::testing {

struct News {
  std::uint8_t day;  // last date byte: a later message has a higher one
  std::string title;
  std::string link_target;
  std::string link_caption;
  std::string content;
};

// An unread record: header, the three counted texts, the content and its NUL, the digest stamped last.
inline std::vector<std::uint8_t> MakeNewsRecord(const News& news) {
  std::vector<std::uint8_t> record(35, 0);
  record[0] = 1;  // unread
  record[1] = 1;  // kind: a message for every version
  record[2] = 4;  // version 4.5.118
  record[3] = 5;
  record[4] = 118;
  const std::vector<std::uint8_t> date{20, 26, 12, 8, 6, news.day};  // 2026-12-08 06:xx, most significant first
  std::copy(date.begin(), date.end(), record.begin() + 21);
  model::WriteU16(&record[27], static_cast<std::uint16_t>(news.title.size()));
  model::WriteU16(&record[29], static_cast<std::uint16_t>(news.link_target.size()));
  model::WriteU16(&record[31], static_cast<std::uint16_t>(news.link_caption.size()));
  for (const std::string* text : {&news.title, &news.link_target, &news.link_caption, &news.content}) {
    record.insert(record.end(), text->begin(), text->end());
  }
  record.push_back(0);
  EXPECT_TRUE(model::StampDigest(record, 5));
  return record;
}

}  // namespace torvane::testing
