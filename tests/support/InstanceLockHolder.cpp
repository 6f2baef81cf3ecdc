// Takes the single-instance lock named by its argument, says "held" (or "refused"), and keeps it until its
// standard input closes or the process is killed.
#include <cstdio>
#include <string>

#include "platform/SingleInstance.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  auto lock = torvane::platform::SingleInstance::TryAcquire(argv[1]);
  std::puts(lock ? "held" : "refused");
  std::fflush(stdout);
  if (!lock) return 1;
  while (std::getchar() != EOF) {
  }
  return 0;
}
