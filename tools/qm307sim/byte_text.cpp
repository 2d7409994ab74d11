#include "qm307sim/byte_text.h"

#include "base/number_text.h"

namespace tarvik::sim {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string HexText(std::uint64_t value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(digits > 0 ? digits : 0), '0');
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    *it = kDigits[value & 0xF];
    value >>= 4;
  }
  return text;
}

std::string EscapeBytes(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      text += "\\\\";
    } else if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else if (c == '\t') {
      text += "\\t";
    } else if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      text += "\\x" + HexText(byte, 2);
    }
  }
  return text;
}

std::optional<std::string> UnescapeBytes(std::string_view text, std::string* error) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      bytes += text[i];
      continue;
    }
    const char kind = i + 1 < text.size() ? text[i + 1] : '\0';
    i += 1;
    switch (kind) {
      case '\\':
        bytes += '\\';
        break;
      case 'r':
        bytes += '\r';
        break;
      case 'n':
        bytes += '\n';
        break;
      case 't':
        bytes += '\t';
        break;
      case 'x': {
        const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
          if (error != nullptr) *error = "\\x needs two hexadecimal digits";
          return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        if (error != nullptr) *error = "unknown escape; use \\r \\n \\t \\\\ or \\xHH";
        return std::nullopt;
    }
  }
  return bytes;
}

std::string TraceLines(std::chrono::milliseconds time, Direction direction,
                       std::string_view bytes) {
  constexpr std::size_t kPerLine = 16;
  std::string stamp = FormatInt(time.count());
  if (stamp.size() < 8) stamp.insert(0, 8 - stamp.size(), ' ');
  const char* label = direction == Direction::kIn ? " in  " : " out ";
  std::string lines;
  for (std::size_t start = 0; start < bytes.size(); start += kPerLine) {
    const std::string_view chunk = bytes.substr(start, kPerLine);
    std::string hex;
    for (const char c : chunk) hex += HexText(static_cast<unsigned char>(c), 2) + " ";
    hex.resize(kPerLine * 3, ' ');
    lines += stamp + label + hex + EscapeBytes(chunk) + "\n";
  }
  return lines;
}

}  // namespace tarvik::sim
