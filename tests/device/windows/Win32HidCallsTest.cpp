// The overlapped transport on the system's own calls, against a named pipe in
// place of the adapter: two pipe instances take the write and the read handle
// as an adapter's interface would.
#include "device/windows/Win32HidCalls.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

namespace torvane::device {
namespace {

using std::chrono::milliseconds;

class PipeAdapter {
 public:
  PipeAdapter() : path_(R"(\\.\pipe\torvane-hid-test-)" + std::to_string(::GetCurrentProcessId())) {
    const std::wstring wide(path_.begin(), path_.end());
    for (HANDLE& end : ends_) {
      end = ::CreateNamedPipeW(wide.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 2,
                               4096, 4096, 0, nullptr);
    }
  }
  ~PipeAdapter() { Unplug(); }
  PipeAdapter(const PipeAdapter&) = delete;
  PipeAdapter& operator=(const PipeAdapter&) = delete;

  bool ready() const { return ends_[0] != INVALID_HANDLE_VALUE && ends_[1] != INVALID_HANDLE_VALUE; }
  const std::string& path() const { return path_; }

  // After the transport opened both handles.
  void Accept() {
    for (HANDLE end : ends_) ::ConnectNamedPipe(end, nullptr);  // ERROR_PIPE_CONNECTED: already there
  }
  // What the transport wrote, from whichever instance holds its write handle.
  std::string Received() {
    for (HANDLE end : ends_) {
      DWORD available = 0;
      if (!::PeekNamedPipe(end, nullptr, 0, nullptr, &available, nullptr) || available == 0) continue;
      std::string bytes(available, '\0');
      DWORD read = 0;
      ::ReadFile(end, bytes.data(), available, &read, nullptr);
      bytes.resize(read);
      return bytes;
    }
    return {};
  }
  // Sent on both instances: the one on the transport's write handle is never read.
  void Send(const std::string& bytes) {
    for (HANDLE end : ends_) {
      DWORD written = 0;
      ::WriteFile(end, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
  }
  void Unplug() {
    for (HANDLE& end : ends_) {
      if (end == INVALID_HANDLE_VALUE) continue;
      ::DisconnectNamedPipe(end);
      ::CloseHandle(end);
      end = INVALID_HANDLE_VALUE;
    }
  }

 private:
  std::string path_;
  std::array<HANDLE, 2> ends_{INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE};
};

std::string Bytes(const Report& report) {
  return std::string(report.begin(), report.end());
}

Report Numbered(std::uint8_t first) {
  Report report{};
  for (std::size_t i = 0; i < report.size(); ++i) report[i] = static_cast<std::uint8_t>(first + i);
  report[0] = 0;
  return report;
}

class Win32HidCallsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(adapter_.ready()) << ::GetLastError();
    ASSERT_EQ(transport_.Open(adapter_.path()), 0);
    adapter_.Accept();
  }

  PipeAdapter adapter_;
  OverlappedHidTransport transport_{MakeWin32HidCalls()};
};

TEST_F(Win32HidCallsTest, MovesAReportEachWay) {
  const Report request = Numbered(0x10);
  ASSERT_EQ(transport_.WriteReport(request, milliseconds(1000)), 0);
  EXPECT_EQ(adapter_.Received(), Bytes(request));

  const Report answer = Numbered(0x80);
  adapter_.Send(Bytes(answer));
  Report got{};
  ASSERT_EQ(transport_.ReadReport(got, milliseconds(1000)), 0);
  EXPECT_EQ(got, answer);
}

TEST_F(Win32HidCallsTest, ATimedOutReadIsCancelledAndTheNextReadGetsTheReport) {
  Report got{};
  EXPECT_EQ(transport_.ReadReport(got, milliseconds(100)), kTimeout);
  const Report answer = Numbered(0x40);
  adapter_.Send(Bytes(answer));
  ASSERT_EQ(transport_.ReadReport(got, milliseconds(1000)), 0);
  EXPECT_EQ(got, answer);
}

TEST_F(Win32HidCallsTest, RefusesAWrongReportIdAndAShortReport) {
  Report wrong_id = Numbered(0x01);
  wrong_id[0] = 7;
  adapter_.Send(Bytes(wrong_id));
  Report got{};
  EXPECT_EQ(transport_.ReadReport(got, milliseconds(1000)), kWrongReportId);

  adapter_.Send(std::string(10, '\0'));
  EXPECT_EQ(transport_.ReadReport(got, milliseconds(1000)), kWrongLength);
}

TEST_F(Win32HidCallsTest, AnUnpluggedAdapterFailsTheTransferWithTheSystemsCode) {
  adapter_.Unplug();
  const int write = transport_.WriteReport(Numbered(0), milliseconds(1000));
  EXPECT_GT(write, 0);
  EXPECT_NE(write, kTimeout);
  Report got{};
  const int read = transport_.ReadReport(got, milliseconds(1000));
  EXPECT_GT(read, 0);
  EXPECT_NE(read, kTimeout);
}

TEST(Win32HidCallsOpenTest, AMissingInterfaceGivesTheSystemsErrorAndLeavesNothingOpen) {
  OverlappedHidTransport transport(MakeWin32HidCalls());
  const int error = transport.Open(R"(\\?\HID#VID_0E3A&PID_B372#GONE#{4D1E55B2-F16F-11CF-88CB-001111000030})");
  EXPECT_GT(error, 0);
  Report report{};
  EXPECT_EQ(transport.WriteReport(report, milliseconds(1000)), kInvalidHandle);
  EXPECT_EQ(transport.ReadReport(report, milliseconds(1000)), kInvalidHandle);
  // No HID adapter under test: whatever interfaces there are, none is taken for one.
  for (const std::string& path : transport.ListAdapters()) EXPECT_NE(path.find("VID_0E3A"), std::string::npos);
}

}  // namespace
}  // namespace torvane::device
