#include "soak/ResourceFigures.h"

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/ProcessFigures.h"

namespace torvane::soak {

namespace {

namespace fs = std::filesystem;

// The entries of a /proc/self folder, each named by what `name` says of it, sorted.
template <typename Name>
std::multiset<std::string> Entries(const char* folder, Name name) {
  std::multiset<std::string> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    entries.insert(name(it->path()));
  }
  return entries;
}

std::string Joined(const std::multiset<std::string>& entries) {
  std::string joined;
  for (const std::string& entry : entries) joined += (joined.empty() ? "" : ", ") + entry;
  return joined;
}

}  // namespace

ResourceFigures ResourceFigures::Measure() {
  ResourceFigures figures;
  figures.rss_kib = platform::ProcessFigures::Measure().rss_kib.value_or(0);
  // The listing's own descriptor shows as well, the same each time.
  const auto descriptors = Entries("/proc/self/fd", [](const fs::path& path) {
    std::error_code error;
    const std::string target = fs::read_symlink(path, error).string();
    // Sockets and pipes by kind: their inode numbers differ from one to the next.
    return error ? std::string("?") : target.substr(0, target.find(":["));
  });
  const auto threads = Entries("/proc/self/task", [](const fs::path& path) {
    std::ifstream comm(path / "comm");
    std::string name;
    std::getline(comm, name);
    return name;
  });
  figures.descriptors = static_cast<int>(descriptors.size());
  figures.threads = static_cast<int>(threads.size());
  figures.descriptor_names = Joined(descriptors);
  figures.thread_names = Joined(threads);
  return figures;
}

}  // namespace torvane::soak
