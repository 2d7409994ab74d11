// The program's texts are UTF-8; the registry editor exports UTF-16 little-endian. These convert
// between the two without a byte-order mark.
#ifndef TARVIK_SETTINGS_UTF16_TEXT_H_
#define TARVIK_SETTINGS_UTF16_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// UTF-16 little-endian bytes as UTF-8. A surrogate without its partner becomes U+FFFD; an odd
// last byte, half a code unit, is left out.
std::string Utf16LeToUtf8(std::string_view bytes);

// UTF-8 as UTF-16 little-endian bytes, or nothing when the text is not UTF-8 (a stray or missing
// continuation byte, an overlong form, a surrogate, a code point past U+10FFFF), which no UTF-16
// text could stand for.
std::optional<std::string> Utf8ToUtf16Le(std::string_view text);

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_UTF16_TEXT_H_
