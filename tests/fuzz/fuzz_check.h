// Stops the fuzzer, or the replay of its corpus, where a property of a target does not hold.
#ifndef TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_
#define TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz target: %s\n", what);
  std::abort();
}

#endif  // TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_
