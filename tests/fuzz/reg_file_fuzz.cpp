// Any bytes as a settings file: reading never crashes or hangs, a file that was read keeps every
// line through a rewrite that adds values, and the values read back. A UTF-16 file and its 8-bit
// twin (the same text in UTF-8) read alike and are rewritten alike.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "settings/reg_file.h"
#include "settings/utf16_text.h"

namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kText = "C:\\fuzz \"value\" \xc3\xbc";

// The lines of a written file as their bytes. An 8-bit file's lines end in CR LF, which is left
// out. A UTF-16 file's lines keep their line ends as read, and the last may have none or end in
// half a code unit.
std::vector<std::string_view> Lines(std::string_view file) {
  std::vector<std::string_view> lines;
  if (file.starts_with(kUtf16Mark)) {
    file.remove_prefix(kUtf16Mark.size());
    for (std::size_t start = 0, end = 0; start < file.size(); start = end) {
      while (end + 1 < file.size() && file.substr(end, 2) != std::string_view("\n\0", 2)) end += 2;
      end = end + 1 < file.size() ? end + 2 : file.size();
      lines.push_back(file.substr(start, end - start));
    }
    // Half a code unit alone after the last line end is no line: a line after it drops it.
    if (!lines.empty() && lines.back().size() == 1) lines.pop_back();
    return lines;
  }
  for (std::size_t end; (end = file.find("\r\n")) != std::string_view::npos;) {
    lines.push_back(file.substr(0, end));
    file.remove_prefix(end + 2);
  }
  return lines;
}

// Whether a line of a UTF-16 file is kept by its rewrite: the same bytes, or, for a last line
// without a line end, the same code units followed by the line end a new line after it needs.
bool KeptAs(std::string_view old_line, std::string_view new_line, bool old_is_last) {
  if (old_line == new_line) return true;
  if (!old_is_last) return false;
  if (old_line.size() % 2 != 0) old_line.remove_suffix(1);
  return new_line.starts_with(old_line) &&
         (new_line.substr(old_line.size()) == std::string_view("\r\0\n\0", 4) ||
          (old_line.ends_with(std::string_view("\r\0", 2)) &&
           new_line.substr(old_line.size()) == std::string_view("\n\0", 2)));
}

// The texts of a file's lines, whatever its encoding, as the reader splits them.
std::vector<std::string> Texts(std::string_view file) {
  std::string text;
  if (file.starts_with(kUtf16Mark)) {
    text = tarvik::Utf16LeToUtf8(file.substr(kUtf16Mark.size()));
  } else {
    text = std::string(file);
  }
  std::vector<std::string> lines;
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

// The same file in the other encoding, when there is one: UTF-16 for an 8-bit file in UTF-8,
// UTF-8 for a UTF-16 file of whole code units and paired surrogates.
std::optional<std::string> Twin(std::string_view bytes) {
  if (bytes.starts_with(kUtf16Mark)) {
    const std::string_view units = bytes.substr(kUtf16Mark.size());
    std::string text = tarvik::Utf16LeToUtf8(units);
    // A text that begins with U+FEFF would lose it as an 8-bit file's mark.
    if (tarvik::Utf8ToUtf16Le(text) != units || text.starts_with(kUtf8Mark)) return std::nullopt;
    return text;
  }
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  const std::optional<std::string> units = tarvik::Utf8ToUtf16Le(bytes);
  if (!units) return std::nullopt;
  return std::string(kUtf16Mark) + *units;
}

// What a value reads as, for comparing.
std::string Describe(const std::optional<tarvik::SettingValue>& value) {
  if (!value) return "none";
  return std::to_string(static_cast<int>(value->type)) + ":" + value->text + ":" +
         std::to_string(value->number);
}

// Reads the file, checks that it is written back unchanged, adds a text and a number, checks
// that both read back and that every line is kept; gives what the file read and the rewrite.
std::optional<std::string> CheckRewrite(std::string_view bytes, std::string& read) {
  std::optional<tarvik::RegFile> file = tarvik::RegFile::Parse(bytes);
  if (!file) return std::nullopt;
  for (const char* name : {"Port Name", "Weight", "LAW", "Big x", "FPS", "Tarvik Fuzz Value"}) {
    read += Describe(file->Find(kKey, name)) + "|";
  }

  const std::string before = file->Serialize();
  const std::optional<tarvik::RegFile> again = tarvik::RegFile::Parse(before);
  FuzzCheck(again && again->Serialize() == before, "a written file does not read back the same");
  FuzzCheck(file->encoding() == again->encoding(), "a written file changed its encoding");

  FuzzCheck(file->SetText(kKey, "Tarvik Fuzz Value", kText), "a plain text was refused");
  FuzzCheck(file->SetNumber(kKey, "Tarvik Fuzz Number", 300), "a number was refused");
  const std::string after = file->Serialize();
  const std::optional<tarvik::RegFile> rewritten = tarvik::RegFile::Parse(after);
  FuzzCheck(rewritten.has_value(), "the rewritten file does not read");
  const auto text = rewritten->Find(kKey, "TARVIK FUZZ VALUE");
  FuzzCheck(text && text->text == kText, "the written text does not read back");
  const auto number = rewritten->Find(kKey, "tarvik fuzz number");
  FuzzCheck(number && number->number == 300, "the written number does not read back");

  // Every line of the file is still there, in order, beside the lines added (unless the input
  // had a value of those names already, which the writes replaced).
  std::string folded = before;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (folded.find("tarvik fuzz") != std::string::npos) return after;
  const std::vector<std::string_view> old_lines = Lines(before);
  const std::vector<std::string_view> new_lines = Lines(after);
  std::size_t matched = 0;
  for (const std::string_view line : new_lines) {
    if (matched < old_lines.size() &&
        KeptAs(old_lines[matched], line, matched + 1 == old_lines.size())) {
      ++matched;
    }
  }
  FuzzCheck(matched == old_lines.size(), "a line was lost or moved");
  return after;
}

}  // namespace

int FuzzRegFile(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string read;
  const std::optional<std::string> rewrite = CheckRewrite(bytes, read);

  const std::optional<std::string> twin = Twin(bytes);
  if (!twin) return 0;
  std::string twin_read;
  const std::optional<std::string> twin_rewrite = CheckRewrite(*twin, twin_read);
  FuzzCheck(rewrite.has_value() == twin_rewrite.has_value(), "only one of the twins reads");
  if (!rewrite) return 0;
  FuzzCheck(read == twin_read, "the twins' values differ");
  FuzzCheck(Texts(*rewrite) == Texts(*twin_rewrite), "the twins' rewrites differ");
  return 0;
}
