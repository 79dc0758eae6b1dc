// libFuzzer entry: any difference between the core and the reference model is a crash.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/differential.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string difference = n5::fuzz::RunDifferential(data, size);
  if (!difference.empty()) {
    std::fprintf(stderr, "core and model differ: %s\n", difference.c_str());
    std::abort();
  }
  return 0;
}
