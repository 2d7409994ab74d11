// libFuzzer's entry point: hands each input to the target named by TARVIK_FUZZ_TARGET.
#include <cstddef>
#include <cstdint>

int TARVIK_FUZZ_TARGET(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return TARVIK_FUZZ_TARGET(data, size);
}
