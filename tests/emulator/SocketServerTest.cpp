// The emulator's socket server on its own: what it does with the path it is given.
#include "emulator/SocketServer.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "device/UniqueFd.h"
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
    device::UniqueFd stale(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(stale.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
  }
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
