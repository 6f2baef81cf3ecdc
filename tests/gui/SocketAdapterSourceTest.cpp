// The socket adapter's presence follows its socket file.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/SocketAdapterSource.h"
#include "device/DevicePresence.h"
#include "support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

// A listening socket bound at a path, closed (not unlinked) with the object.
class BoundSocket {
 public:
  explicit BoundSocket(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    bound_ =
        fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 && ::listen(fd_, 1) == 0;
  }
  ~BoundSocket() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool bound() const { return bound_; }

 private:
  int fd_;
  bool bound_ = false;
};

TEST(SocketAdapterSourceTest, SocketFileAppearingAndGoingAreArrivalAndRemoval) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("adapter.sock"));
  app::SocketAdapterSource source(path);
  EXPECT_TRUE(source.PresentAdapters().empty());

  std::vector<std::pair<app::AdapterSource::Change, device::DeviceEvent>> changes;
  source.Watch([&changes](app::AdapterSource::Change change, const device::DeviceEvent& event) {
    changes.emplace_back(change, event);
  });

  // An ordinary file of that name is no adapter.
  {
    QFile plain(folder.filePath(QStringLiteral("other.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  }
  BoundSocket socket(path.toStdString());
  ASSERT_TRUE(socket.bound());
  ASSERT_TRUE(WaitUntil([&changes] { return !changes.empty(); }));
  EXPECT_EQ(changes.front().first, app::AdapterSource::Change::kArrival);
  EXPECT_EQ(changes.front().second.path, path.toStdString());
  EXPECT_TRUE(device::IsAdapter(changes.front().second));
  ASSERT_EQ(source.PresentAdapters().size(), 1u);

  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(WaitUntil([&changes] { return changes.size() == 2; }));
  EXPECT_EQ(changes.back().first, app::AdapterSource::Change::kRemoval);
  EXPECT_TRUE(source.PresentAdapters().empty());
  EXPECT_FALSE(WaitUntil([&changes] { return changes.size() > 2; }, 300));
}

TEST(SocketAdapterSourceTest, AFolderThatCannotBeWatchedYetIsPolled) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  // The server has not made its folder yet.
  const QString path = folder.filePath(QStringLiteral("later/adapter.sock"));
  app::SocketAdapterSource source(path);
  std::vector<app::AdapterSource::Change> changes;
  source.Watch(
      [&changes](app::AdapterSource::Change change, const device::DeviceEvent&) { changes.push_back(change); });
  EXPECT_TRUE(source.IsPolling());

  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("later")));
  {
    BoundSocket socket(path.toStdString());
    ASSERT_TRUE(socket.bound());
    ASSERT_TRUE(WaitUntil([&changes] { return !changes.empty(); }));
    EXPECT_EQ(changes.front(), app::AdapterSource::Change::kArrival);
  }
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(WaitUntil([&changes] { return changes.size() == 2; }));
  EXPECT_EQ(changes.back(), app::AdapterSource::Change::kRemoval);
}

}  // namespace
}  // namespace torvane::testing
