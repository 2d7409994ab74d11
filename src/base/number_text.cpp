#include "base/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "base/ascii.h"

namespace tarvik {
namespace {

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

std::string FormatFixed(double value, int precision, int width) {
  // The longest fixed text of a double is 309 integer digits, a sign, a point and the fraction.
  std::array<char, 400> buffer;
  if (precision < 0) precision = 0;
  if (precision > 60) precision = 60;
  std::string text;
  if (std::isnan(value)) {
    text = std::signbit(value) ? "-nan" : "nan";
  } else {
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, precision);
    assert(result.ec == std::errc());  // the buffer holds any double at 60 decimals
    text.assign(buffer.data(), result.ptr);
  }
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

std::string FormatInt(std::int64_t value) {
  std::array<char, 24> buffer;
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string FormatUnsigned(std::uint64_t value) {
  std::array<char, 24> buffer;
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::optional<std::string> FitText(std::string text, std::size_t buffer_size) {
  if (buffer_size == 0 || text.size() > buffer_size - 1) return std::nullopt;
  return text;
}

double ParseDecimal(std::string_view text) {
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t number_start = i;
  std::size_t end = SkipDigits(text, i);
  std::size_t mantissa_digits = end - number_start;
  if (end < text.size() && text[end] == '.') {
    std::size_t fraction_end = SkipDigits(text, end + 1);
    mantissa_digits += fraction_end - (end + 1);
    end = fraction_end;
  }
  if (mantissa_digits == 0) return 0.0;
  // An exponent counts only when at least one digit follows the "e" and its sign.
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t exponent_end = SkipDigits(text, j);
    if (exponent_end > j) end = exponent_end;
  }
  const std::string_view number = text.substr(number_start, end - number_start);
  double value = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: decide which by the position of the first
    // significant digit, as strtod would give infinity or zero.
    std::size_t first = number.find_first_of("123456789");
    std::size_t e_pos = number.find_first_of("eE");
    if (first == std::string_view::npos || (e_pos != std::string_view::npos && first > e_pos)) {
      value = 0.0;
    } else {
      std::size_t point = number.find('.');
      if (point == std::string_view::npos) point = std::min(e_pos, number.size());
      long long order = first < point ? static_cast<long long>(point - first)
                                      : -static_cast<long long>(first - point - 1);
      if (e_pos != std::string_view::npos) {
        order += ParseInteger(number.substr(e_pos + 1));
      }
      value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
  }
  return negative ? -value : value;
}

double ParseTypedDecimal(std::string_view text) {
  std::string typed(text);
  std::replace(typed.begin(), typed.end(), ',', '.');
  return ParseDecimal(typed);
}

std::int32_t ParseInteger(std::string_view text) {
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate in 64 bits and stop growing once past the 32-bit range: only the side matters.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> ParseUnsignedField(std::string_view text) {
  const std::string_view digits = text.substr(SkipBlanks(text));
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace tarvik
