// Any bytes as number texts: reading them never crashes or reads past them, and numbers written
// by the formatting functions read back as the same numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/number_text.h"
#include "fuzz/fuzz_check.h"

int FuzzNumberText(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tarvik::ParseDecimal(text);
  tarvik::ParseInteger(text);
  tarvik::ParseUnsignedField(text);
  if (size < sizeof(double)) return 0;

  // The first eight bytes as a double, an unsigned and a signed number.
  double x;
  std::uint64_t n;
  std::memcpy(&x, data, sizeof x);
  std::memcpy(&n, data, sizeof n);
  // Two decimals are within half a hundredth, beside the rounding of reading the text back.
  if (std::isfinite(x) && std::fabs(x) < 1e9) {
    const double back = tarvik::ParseDecimal(tarvik::FormatFixed(x, 2));
    FuzzCheck(std::fabs(back - x) <= 0.005 + 1e-6, "two decimals do not read back near");
  }
  const auto small = static_cast<std::uint32_t>(n);
  FuzzCheck(tarvik::ParseUnsignedField(tarvik::FormatUnsigned(small)) == small,
            "an unsigned field does not read back");
  FuzzCheck(!tarvik::ParseUnsignedField(tarvik::FormatUnsigned(n | (std::uint64_t{1} << 32))),
            "an unsigned field beyond 32 bits was read");
  const auto whole = static_cast<std::int32_t>(small);
  FuzzCheck(tarvik::ParseInteger(tarvik::FormatInt(whole)) == whole,
            "an integer does not read back");
  return 0;
}
