// libFuzzer's entry point: hands each input to the target named by TARVIK_FUZZ_TARGET.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_check.h"

int TARVIK_FUZZ_TARGET(const std::uint8_t* data, std::size_t size);

// A broken property is a crash to libFuzzer: it stops and saves the input as crash-<hash>.
void FuzzPropertyBroken(const char* what) {
  std::fprintf(stderr, "fuzz target: property broken: %s\n", what);
  std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return TARVIK_FUZZ_TARGET(data, size);
}
