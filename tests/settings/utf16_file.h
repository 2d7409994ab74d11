// The bytes of a file as the registry editor exports it, UTF-16 little-endian with a byte-order
// mark, written out here code unit by code unit, apart from the converter the program uses.
#ifndef TARVIK_TESTS_SETTINGS_UTF16_FILE_H_
#define TARVIK_TESTS_SETTINGS_UTF16_FILE_H_

#include <string>
#include <string_view>

namespace tarvik {

inline std::string Utf16Bytes(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return bytes;
}

inline std::string Utf16File(std::u16string_view text) { return "\xFF\xFE" + Utf16Bytes(text); }

}  // namespace tarvik

#endif  // TARVIK_TESTS_SETTINGS_UTF16_FILE_H_
