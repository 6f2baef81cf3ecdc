#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "device/ProtocolCodes.h"
#include "device/ReportFields.h"
#include "device/Transport.h"

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

  static Report AdapterAnswer(const Report& request) {
    const ReportFields in = ReportFields::Of(request);
    ReportFields out;
    switch (in.command.get()) {
      case kCmdReadFlash:
        out = {.command = kAnswerFlash, .address = in.address, .length = in.length};
        for (std::uint32_t i = 0; i < in.length && i < kMaxChunk; ++i) out.data[i] = FlashByte(in.address + i);
        break;
      case kCmdWriteFlash:
        out = in;
        out.command = kAnswerFlash;
        break;
      case kCmdEraseFlash:
        out.command = kAnswerErase;
        break;
      case kCmdGetSysRunStatus:
        out = {.command = kAnswerRunStatus, .length = 4, .data = {7, 0x11, 0x22, 0x33}};
        break;
      case kCmdGetKeyCode:
        out = {.command = kAnswerKeyCode, .length = 1, .data = {0x2C}};
        break;
      default:
        break;
    }
    return out.bytes();
  }
};

}  // namespace torvane::device::testing
