// The overlapped transfer steps against a script of the system calls: what is
// returned, what is cancelled, and in which order the handles open and close.
#include "device/OverlappedHidTransport.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace torvane::device {
namespace {

using Direction = OverlappedHidCalls::Direction;
using std::chrono::milliseconds;

constexpr int kDeviceNotConnected = 1167;
constexpr int kOperationAborted = 995;
constexpr int kAccessDeniedError = 5;
constexpr int kFileNotFound = 2;

const char* Name(Direction direction) {
  return direction == Direction::kWrite ? "write" : "read";
}

// One transfer as the system would run it.
struct TransferScript {
  OverlappedHidCalls::Start start{false, kIoPending};
  int wait = 0;
  int outcome = 0;
  std::uint32_t length = kReportSize;
  std::uint8_t first_byte = 0;  // of a received report
};

class ScriptedCalls final : public OverlappedHidCalls {
 public:
  std::vector<std::string> interfaces;
  std::map<Direction, int> open_errors;
  std::deque<TransferScript> transfers;
  std::vector<std::string> log;
  std::vector<milliseconds> waits;

  std::vector<std::string> InterfacePaths() override { return interfaces; }
  int Open(const std::string& path, Direction direction) override {
    log.push_back(std::string("open ") + Name(direction) + " " + path);
    const int error = open_errors.count(direction) ? open_errors[direction] : 0;
    open_[static_cast<int>(direction)] = error == 0;
    return error;
  }
  void Close(Direction direction) override {
    if (open_[static_cast<int>(direction)]) log.push_back(std::string("close ") + Name(direction));
    open_[static_cast<int>(direction)] = false;
  }
  bool IsOpen(Direction direction) const override { return open_[static_cast<int>(direction)]; }
  Start StartWrite(const Report& report) override {
    written = report;
    return Begin(Direction::kWrite);
  }
  Start StartRead() override {
    received_.fill(0x5A);
    return Begin(Direction::kRead);
  }
  int Wait(Direction direction, milliseconds timeout) override {
    log.push_back(std::string("wait ") + Name(direction));
    waits.push_back(timeout);
    return current_->wait;
  }
  void Cancel(Direction direction) override { log.push_back(std::string("cancel ") + Name(direction)); }
  int Outcome(Direction direction, std::uint32_t& length) override {
    log.push_back(std::string("outcome ") + Name(direction));
    if (current_->outcome != 0) return current_->outcome;
    length = current_->length;
    if (direction == Direction::kRead) received_[0] = current_->first_byte;
    return 0;
  }
  const Report& Received() const override { return received_; }

  std::optional<Report> written;

 private:
  Start Begin(Direction direction) {
    log.push_back(std::string("start ") + Name(direction));
    current_ = transfers.front();
    transfers.pop_front();
    return current_->start;
  }

  bool open_[2] = {false, false};
  std::optional<TransferScript> current_;
  Report received_{};
};

struct Harness {
  ScriptedCalls* calls;
  OverlappedHidTransport transport;

  Harness() : Harness(std::make_unique<ScriptedCalls>()) {}
  explicit Harness(std::unique_ptr<ScriptedCalls> owned) : calls(owned.get()), transport(std::move(owned)) {}
};

TEST(OverlappedHidTransportTest, ListsAdaptersByEitherProductIdInAnyCaseAndNothingElse) {
  Harness h;
  h.calls->interfaces = {
      R"(\\?\hid#vid_0e3a&pid_b372#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
      R"(\\?\HID#VID_0E3A&PID_B371#7&00&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
      R"(\\?\HID#VID_046D&PID_C52B#7&00&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
      R"(\\?\HID#VID_0E3A&PID_B370#8&ff&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
  };
  EXPECT_EQ(h.transport.ListAdapters(),
            (std::vector<std::string>{
                R"(\\?\HID#VID_0E3A&PID_B372#7&1A2B&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})",
                R"(\\?\HID#VID_0E3A&PID_B370#8&FF&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030})",
            }));
}

TEST(OverlappedHidTransportTest, OpensTheWriteHandleFirstAndClosesItWhenTheReadHandleFails) {
  {
    Harness h;
    EXPECT_EQ(h.transport.Open("P"), 0);
    h.transport.Close();
    EXPECT_EQ(h.calls->log, (std::vector<std::string>{"open write P", "open read P", "close read", "close write"}));
  }
  {
    Harness h;
    h.calls->open_errors[Direction::kWrite] = kAccessDeniedError;
    // The system's own code: the player's remedy on this system is not a device rule.
    EXPECT_EQ(h.transport.Open("P"), kAccessDeniedError);
    EXPECT_EQ(h.calls->log, (std::vector<std::string>{"open write P"}));
  }
  {
    Harness h;
    h.calls->open_errors[Direction::kRead] = kFileNotFound;
    EXPECT_EQ(h.transport.Open("P"), kFileNotFound);
    EXPECT_EQ(h.calls->log, (std::vector<std::string>{"open write P", "open read P", "close write"}));
    Report report{};
    EXPECT_EQ(h.transport.WriteReport(report, milliseconds(1000)), kInvalidHandle);
    EXPECT_EQ(h.transport.ReadReport(report, milliseconds(1000)), kInvalidHandle);
  }
}

struct StepCase {
  const char* name;
  TransferScript script;
  int write_result;
  int read_result;
  std::vector<std::string> steps;  // of the write; the read's are the same with "read"
};

void PrintTo(const StepCase& step, std::ostream* out) {
  *out << step.name;
}

class TransferSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(TransferSteps, GiveTheCodeAndCancelOnlyWhereTheTransferMayStillRun) {
  const StepCase& c = GetParam();
  for (const Direction direction : {Direction::kWrite, Direction::kRead}) {
    SCOPED_TRACE(Name(direction));
    Harness h;
    ASSERT_EQ(h.transport.Open("P"), 0);
    h.calls->log.clear();
    h.calls->transfers.push_back(c.script);
    Report report{};
    report[1] = 0x21;
    const int result = direction == Direction::kWrite ? h.transport.WriteReport(report, milliseconds(1000))
                                                      : h.transport.ReadReport(report, milliseconds(5000));
    EXPECT_EQ(result, direction == Direction::kWrite ? c.write_result : c.read_result);
    std::vector<std::string> expected;
    for (std::string step : c.steps)
      expected.push_back(step.replace(step.find(' ') + 1, std::string::npos, Name(direction)));
    EXPECT_EQ(h.calls->log, expected);
    if (!h.calls->waits.empty()) {
      EXPECT_EQ(h.calls->waits.front(), milliseconds(direction == Direction::kWrite ? 1000 : 5000));
    }
  }
}

const std::vector<std::string> kWhole{"start write", "wait write", "outcome write"};

INSTANTIATE_TEST_SUITE_P(
    OverlappedHidTransportTest, TransferSteps,
    ::testing::Values(
        StepCase{"Pending", {}, 0, 0, kWhole}, StepCase{"AtOnce", {.start = {true, 0}}, 0, 0, kWhole},
        // A failed start that left no error code is treated as pending.
        StepCase{"FailedWithoutCode", {.start = {false, 0}}, 0, 0, kWhole},
        StepCase{"TimedOut", {.wait = kTimeout}, kTimeout, kTimeout, {"start write", "wait write", "cancel write"}},
        StepCase{"WaitFailed", {.wait = 6}, 6, 6, {"start write", "wait write", "cancel write"}},
        StepCase{"StartRefused",
                 {.start = {false, kDeviceNotConnected}},
                 kDeviceNotConnected,
                 kDeviceNotConnected,
                 {"start write", "cancel write"}},
        StepCase{"OutcomeFailed",
                 {.outcome = kOperationAborted},
                 kOperationAborted,
                 kOperationAborted,
                 {"start write", "wait write", "outcome write", "cancel write"}},
        StepCase{"Short", {.length = 64}, kWrongLength, kWrongLength, kWhole},
        StepCase{"Long", {.length = 66}, kWrongLength, kWrongLength, kWhole},
        // The report id is a read's concern only, and is tested before the length.
        StepCase{"WrongReportId", {.first_byte = 1}, 0, kWrongReportId, kWhole},
        StepCase{"WrongReportIdAndShort", {.length = 10, .first_byte = 2}, kWrongLength, kWrongReportId, kWhole},
        // A transfer that finished at once keeps the result of the wait that follows it.
        StepCase{"AtOnceThenWaitRanOut", {.start = {true, 0}, .wait = kTimeout}, kTimeout, kTimeout, kWhole}),
    [](const ::testing::TestParamInfo<StepCase>& step) { return step.param.name; });

TEST(OverlappedHidTransportTest, AWriteSendsTheReportAndAReadHandsOverWhatCame) {
  Harness h;
  ASSERT_EQ(h.transport.Open("P"), 0);
  Report request{};
  request[1] = 0x10;
  request[64] = 0xEE;
  h.calls->transfers.push_back({});
  ASSERT_EQ(h.transport.WriteReport(request, milliseconds(1000)), 0);
  EXPECT_EQ(h.calls->written, request);

  h.calls->transfers.push_back({});
  Report answer{};
  answer.fill(0x77);
  ASSERT_EQ(h.transport.ReadReport(answer, milliseconds(1000)), 0);
  Report expected{};
  expected.fill(0x5A);
  expected[0] = 0;
  EXPECT_EQ(answer, expected);

  // A read that timed out leaves the caller's report as it was.
  h.calls->transfers.push_back({.wait = kTimeout});
  Report untouched{};
  untouched.fill(0x33);
  ASSERT_EQ(h.transport.ReadReport(untouched, milliseconds(1000)), kTimeout);
  EXPECT_EQ(untouched[0], 0x33);
}

}  // namespace
}  // namespace torvane::device
