// Runs the stand-alone program and talks to it as the manager would.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ReportBytes.h"
#include "TransportExchange.h"
#include "device/SocketTransport.h"
#include "device/SocketTransportSystem.h"
#include "emulator/Scenarios.h"
#include "support/Spawned.h"
#include "support/TempFolder.h"

namespace torvane::emulator {
namespace {

using namespace reports;  // NOLINT: the report helpers
using testing::Eventually;
using testing::TempFolder;

#ifdef _WIN32
// Relative to the test's folder, in the system's own spelling: Wine cannot start a program by its Unix path.
const std::string kProgram = [] {
  std::string path = TORVANE_EMULATOR_PROGRAM;
  std::ranges::replace(path, '/', '\\');
  return path;
}();
constexpr const char* kNullDevice = "NUL";
FILE* OpenPipe(const std::string& command) {
  return ::_popen(command.c_str(), "r");
}
int ClosePipe(FILE* pipe) {
  return ::_pclose(pipe);
}
#else
const std::string kProgram = TORVANE_EMULATOR_PROGRAM;
constexpr const char* kNullDevice = "/dev/null";
FILE* OpenPipe(const std::string& command) {
  return ::popen(command.c_str(), "r");
}
int ClosePipe(FILE* pipe) {
  const int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// The program with its standard input on a pipe and its output discarded.
class Program : public testing::Spawned {
 public:
  explicit Program(std::vector<std::string> args)
      : Spawned(WithProgram(std::move(args)), kNullDevice, kNullDevice, {}, {}) {}

  void Type(const std::string& line) { ASSERT_TRUE(Spawned::Type(line)); }

 private:
  static std::vector<std::string> WithProgram(std::vector<std::string> args) {
    args.insert(args.begin(), kProgram);
    return args;
  }
};

// The program's output and exit status for `arguments`.
std::pair<std::string, int> RunToEnd(const std::string& arguments) {
  const std::string command = kProgram + " " + arguments + " 2>&1";
  FILE* pipe = OpenPipe(command);
  if (pipe == nullptr) return {"", -1};
  std::string output;
  char buffer[512];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) output.append(buffer, n);
  return {output, ClosePipe(pipe)};
}

class EmulatorProgramTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  const std::string path_ = (folder_.path() / "adapter.sock").string();
};

TEST_F(EmulatorProgramTest, ServesTheScenarioUntilQuit) {
  Program program({"--socket", path_, "--scenario", "working-mode-7", "--latency-ms", "1"});
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(Eventually([&] { return device::SocketPathPresent(path_); }));

  device::SocketTransport transport(path_);
  ASSERT_EQ(transport.Open(path_), 0);
  const Exchange status = Send(transport, Request(device::kCmdGetSysRunStatus, 0, 4));
  ASSERT_EQ(status.read, 0);
  EXPECT_EQ(status.answer[13], 7);
  const Exchange info = Send(transport, Request(device::kCmdReadFlash, model::kInfoBlockAddress + 29, 6));
  EXPECT_EQ(Data(info.answer, 6), (std::vector<std::uint8_t>{1, 8, 0, 1, 30, 0}));  // hardware, boot loader

  // A key typed on the console reaches the next polls once.
  program.Type("key 0x2c");
  std::uint8_t code = 0;
  ASSERT_TRUE(Eventually([&] {
    code = Send(transport, Request(device::kCmdGetKeyCode, 0, 1)).answer[13];
    return code != 0;
  }));
  EXPECT_EQ(code, 0x2C);
  EXPECT_EQ(Send(transport, Request(device::kCmdGetKeyCode, 0, 1)).answer[13], 0);

  program.Type("unplug");
  EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(path_); }));
  program.Type("plug");
  EXPECT_TRUE(Eventually([&] { return device::SocketPathPresent(path_); }));

  program.Type("quit");
  EXPECT_EQ(program.Wait(), 0);
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(EmulatorProgramTest, InterruptAndTerminateRemoveTheSocketToo) {
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    Program program({"--socket=" + path_});
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(Eventually([&] { return device::SocketPathPresent(path_); }));
    const int status = program.Stop(signal);
    if (status == testing::kStopNotSent) GTEST_SKIP() << "nothing carries the request to end to the program here";
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
}

TEST_F(EmulatorProgramTest, ListsEveryScenarioWithItsDescription) {
  const auto [output, status] = RunToEnd("--list");
  EXPECT_EQ(status, 0);
  for (const Scenario& scenario : Scenarios()) {
    EXPECT_NE(output.find(std::string(scenario.name) + "\n    " + std::string(scenario.description)), std::string::npos)
        << scenario.name;
  }
}

TEST_F(EmulatorProgramTest, RefusesBadOptionsWithUsage) {
  for (const char* arguments :
       {"--scenario nowhere", "--latency-ms -5", "--latency-ms 20000", "--latency-ms 5x", "--socket", "--frobnicate"}) {
    const auto [output, status] = RunToEnd(arguments);
    EXPECT_EQ(status, 2) << arguments;
    EXPECT_NE(output.find("Usage: torvane-emulator"), std::string::npos) << arguments;
  }
  const auto [help, status] = RunToEnd("--help");
  EXPECT_EQ(status, 0);
  EXPECT_NE(help.find("--latency-ms"), std::string::npos);
}

TEST_F(EmulatorProgramTest, ExitsWithAnErrorWhenThePathIsTaken) {
  const std::string file = (folder_.path() / "taken").string();
  {
    std::FILE* f = std::fopen(file.c_str(), "w");
    if (f != nullptr) std::fclose(f);
  }
  const auto [output, status] = RunToEnd("--socket " + file + " < " + kNullDevice);
  EXPECT_EQ(status, 1);
  EXPECT_NE(output.find("not a socket"), std::string::npos) << output;
}

}  // namespace
}  // namespace torvane::emulator
