// Locale-independent number texts. Every number Tarvik shows, stores or logs goes through these
// functions, so the decimal point is "." whatever the user's locale (printf and strtod follow
// the C library's locale, which the GUI toolkit sets from the environment).
#ifndef TARVIK_BASE_NUMBER_TEXT_H_
#define TARVIK_BASE_NUMBER_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// Sizes, terminator included, of the text buffers that the windows and files work with.
inline constexpr std::size_t kFieldTextSize = 30;  // main window, statistics, log line
inline constexpr std::size_t kShortTextSize = 20;  // big display, General page, About

// The printf form "%<width>.<precision>f" in the C locale: fixed notation, padded on the left
// with blanks to at least `width` characters. Infinities and NaN read "inf" and "nan".
std::string FormatFixed(double value, int precision, int width = 0);

// "%d" and "%u".
std::string FormatInt(std::int64_t value);
std::string FormatUnsigned(std::uint64_t value);

// The text when it fits a buffer of `buffer_size` characters with its terminator, else nothing:
// callers refuse a text that would overrun rather than cut a number short.
std::optional<std::string> FitText(std::string text, std::size_t buffer_size);

// Reads the longest prefix of `text` that forms a decimal number: optional blanks, optional
// sign, digits with an optional "." and fraction, optional exponent. No such prefix gives 0;
// a magnitude beyond the double range gives an infinity, one below it gives 0.
double ParseDecimal(std::string_view text);

// A number the user types into a field for a weight or a limit, read as ParseDecimal reads it
// but with a comma taken for the decimal point, as a German user types it: these fields never
// hold thousands, and "8,44" must not become 8. Stored texts keep ParseDecimal's rule.
double ParseTypedDecimal(std::string_view text);

// The same with an optional sign and digits only; values beyond the 32-bit range give the
// nearer end of the range.
std::int32_t ParseInteger(std::string_view text);

// A field's text read as an unsigned number, as a dialog reads a number field: blanks, then
// decimal digits and nothing else, within 32 bits. Anything else is no number.
std::optional<std::uint32_t> ParseUnsignedField(std::string_view text);

}  // namespace tarvik

#endif  // TARVIK_BASE_NUMBER_TEXT_H_
