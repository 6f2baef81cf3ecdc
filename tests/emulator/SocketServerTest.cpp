// The emulator's socket server on its own: what it does with the path it is given.
#include "emulator/SocketServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "device/SocketTransportSystem.h"
#include "support/TempFolder.h"

namespace torvane::emulator {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

TEST(SocketServerStart, ReplacesAStaleSocketButNothingElse) {
  TempFolder folder;
  const std::string path = (folder.path() / "adapter.sock").string();
  VirtualAdapter adapter;
  {
    // A socket file whose server has gone.
    device::StreamSocket stale;
    std::string error;
    ASSERT_TRUE(device::ListenAtSocketPath(path, stale, error)) << error;
  }
  ASSERT_TRUE(device::SocketPathPresent(path));
  SocketServer server(adapter, path);
  std::string error;
  ASSERT_TRUE(server.Start(error)) << error;

  SocketServer rival(adapter, path);
  EXPECT_FALSE(rival.Start(error));
  EXPECT_NE(error.find("another process"), std::string::npos) << error;

  const std::string file = (folder.path() / "notes.txt").string();
  std::ofstream(file) << "keep me";
  SocketServer misdirected(adapter, file);
  EXPECT_FALSE(misdirected.Start(error));
  EXPECT_NE(error.find("not a socket"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_regular_file(file));

  SocketServer too_long(adapter, std::string(200, 'x'));
  EXPECT_FALSE(too_long.Start(error));
}

}  // namespace
}  // namespace torvane::emulator
