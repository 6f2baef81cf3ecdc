#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include "device/Transport.h"

namespace torvane::fuzz {

// An adapter whose answers come from fuzzer bytes. Before each answer one
// control byte says what comes: a transport failure, 65 raw bytes, or an
// answer whose header fits the request (code, address, length; a write's
// data echoed), with its data bytes from the input and, when asked, one
// header byte changed. Once the input runs out every answer is zeros.
class AnswerTransport final : public device::Transport {
 public:
  explicit AnswerTransport(FuzzedDataProvider& input) : input_(input) {}

  std::vector<std::string> ListAdapters() override { return {"fuzz"}; }
  int Open(const std::string& /*path*/) override { return 0; }
  void Close() override {}
  int WriteReport(const device::Report& report, std::chrono::milliseconds timeout) override;
  int ReadReport(device::Report& report, std::chrono::milliseconds timeout) override;

  // The answer a well-behaved adapter gives to `request`, its data left zero.
  static device::Report FittingAnswer(const device::Report& request);

  // The control bytes that pick each kind of answer.
  static constexpr std::uint8_t kFitting = 0x02;
  static constexpr std::uint8_t kRaw = 0x00;
  static constexpr std::uint8_t kFailure = 0x01;
  static constexpr std::uint8_t kDamaged = 0x80;  // with kFitting: change one header byte

 private:
  FuzzedDataProvider& input_;
  device::Report request_{};
};

}  // namespace torvane::fuzz
