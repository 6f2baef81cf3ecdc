#pragma once

#include <string>

namespace torvane::soak {

// What the process holds of the system: resident memory, open file descriptors, threads.
struct ResourceFigures {
  long rss_kib = 0;
  int descriptors = 0;
  int threads = 0;
  // The descriptors and threads by name, to say which are new when the counts differ.
  std::string descriptor_names;
  std::string thread_names;

  static ResourceFigures Measure();
};

}  // namespace torvane::soak
