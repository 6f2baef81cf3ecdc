#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "device/ProtocolCodes.h"
#include "device/Transport.h"
#include "model/LittleEndian.h"

namespace torvane::device::testing {

// A transport that keeps every request and answers like a well-behaved
// adapter unless a test replaces `answer` or `write_result`.
class ScriptedTransport final : public Transport {
 public:
  // Returns the transport code of a request's write; 0 lets it through.
  std::function<int(std::size_t index, const Report& request)> write_result = [](std::size_t, const Report&) {
    return 0;
  };
  // Fills the answer to the latest request and returns the read's transport code.
  std::function<int(std::size_t index, const Report& request, Report& answer)> answer =
      [](std::size_t, const Report& request, Report& out) {
        out = AdapterAnswer(request);
        return 0;
      };

  std::vector<Report> requests;
  std::vector<std::chrono::milliseconds> read_timeouts;

  std::vector<std::string> ListAdapters() override { return {}; }
  int Open(const std::string&) override { return 0; }
  void Close() override {}
  int WriteReport(const Report& report, std::chrono::milliseconds) override {
    requests.push_back(report);
    return write_result(requests.size() - 1, report);
  }
  int ReadReport(Report& report, std::chrono::milliseconds timeout) override {
    read_timeouts.push_back(timeout);
    return answer(requests.size() - 1, requests.back(), report);
  }

  // Flash content the fake reads back: a pattern of the address.
  static std::uint8_t FlashByte(std::uint32_t address) { return static_cast<std::uint8_t>(address * 7 + 3); }

  static std::uint32_t Field(const Report& report, std::size_t offset) { return model::ReadU32(&report[offset]); }

  static Report AdapterAnswer(const Report& request) {
    Report out{};
    const std::uint32_t command = Field(request, kOffsetCommand);
    const std::uint32_t address = Field(request, kOffsetAddress);
    const std::uint32_t length = Field(request, kOffsetLength);
    auto header = [&out](std::uint32_t code, std::uint32_t addr, std::uint32_t len) {
      model::WriteU32(&out[kOffsetCommand], code);
      model::WriteU32(&out[kOffsetAddress], addr);
      model::WriteU32(&out[kOffsetLength], len);
    };
    switch (command) {
      case kCmdReadFlash:
        header(kAnswerFlash, address, length);
        for (std::uint32_t i = 0; i < length && i < kMaxChunk; ++i) out[kOffsetData + i] = FlashByte(address + i);
        break;
      case kCmdWriteFlash:
        out = request;
        model::WriteU32(&out[kOffsetCommand], kAnswerFlash);
        break;
      case kCmdEraseFlash:
        header(kAnswerErase, 0, 0);
        break;
      case kCmdGetSysRunStatus:
        header(kAnswerRunStatus, 0, 4);
        out[kOffsetData] = 7;
        out[kOffsetData + 1] = 0x11;
        out[kOffsetData + 2] = 0x22;
        out[kOffsetData + 3] = 0x33;
        break;
      case kCmdGetKeyCode:
        header(kAnswerKeyCode, 0, 1);
        out[kOffsetData] = 0x2C;
        break;
      default:
        break;
    }
    return out;
  }
};

}  // namespace torvane::device::testing
