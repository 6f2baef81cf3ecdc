#pragma once

#include <cstdio>
#include <cstdlib>

namespace torvane::fuzz {

// A property every input must keep; its failure is a finding like a crash.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace torvane::fuzz
