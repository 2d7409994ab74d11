// Writing a code point as UTF-8, the encoding of every text the program holds.
#ifndef TARVIK_BASE_UTF8_H_
#define TARVIK_BASE_UTF8_H_

#include <string>

namespace tarvik {

// Appends `code` in one to four bytes. The caller keeps it below 0x110000; a surrogate is written
// as its three bytes.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace tarvik

#endif  // TARVIK_BASE_UTF8_H_
