// The socket adapter's presence follows its socket file.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SocketAdapterSource.h"
#include "device/DevicePresence.h"
#include "device/SocketTransportSystem.h"
#include "support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

// A listening adapter socket at a path, as the emulator makes it (on Windows the file with the port), closed (not
// removed) with the object.
class BoundSocket {
 public:
  explicit BoundSocket(const QString& path) {
    std::string error;
    bound_ = device::ListenAtSocketPath(path.toUtf8().toStdString(), socket_, error);
  }
  bool bound() const { return bound_; }

 private:
  device::StreamSocket socket_;
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
  BoundSocket socket(path);
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
    BoundSocket socket(path);
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
