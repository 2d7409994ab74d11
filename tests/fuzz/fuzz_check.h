// Where a property of a fuzz target does not hold. Under libFuzzer (fuzz_entry.cpp) the fuzzer
// stops at once and keeps the input; replayed by the tests (corpus_replay_test.cpp), the
// input's test fails, naming the property and the input, and the other inputs are still tried.
#ifndef TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_
#define TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_

// Reports the broken property `what` and does not return: each binary that runs the targets
// gives its own.
[[noreturn]] void FuzzPropertyBroken(const char* what);

inline void FuzzCheck(bool condition, const char* what) {
  if (!condition) FuzzPropertyBroken(what);
}

#endif  // TARVIK_TESTS_FUZZ_FUZZ_CHECK_H_
