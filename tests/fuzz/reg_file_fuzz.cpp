// Any bytes as a settings file: reading never crashes or hangs, a file that was read keeps every
// line through a rewrite that adds a value, and the value reads back.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "settings/reg_file.h"

namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}

}  // namespace

int FuzzRegFile(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::optional<tarvik::RegFile> file = tarvik::RegFile::Parse(bytes);
  if (!file) return 0;
  for (const char* name : {"Port Name", "Weight", "LAW", "Big x", "FPS"}) file->Find(kKey, name);

  const std::string before = file->Serialize();
  const std::optional<tarvik::RegFile> again = tarvik::RegFile::Parse(before);
  FuzzCheck(again && again->Serialize() == before, "a written file does not read back the same");

  const std::string text = "C:\\fuzz \"value\"";
  FuzzCheck(file->SetText(kKey, "Tarvik Fuzz Value", text), "a plain text was refused");
  const std::string after = file->Serialize();
  const std::optional<tarvik::RegFile> rewritten = tarvik::RegFile::Parse(after);
  FuzzCheck(rewritten.has_value(), "the rewritten file does not read");
  const auto value = rewritten->Find(kKey, "TARVIK FUZZ VALUE");
  FuzzCheck(value && value->text == text, "the written value does not read back");

  // Every line of the file is still there, in order, beside the one line added (unless the
  // input had a value of that name already, which the write replaced).
  std::string folded = before;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (folded.find("tarvik fuzz value") != std::string::npos) return 0;
  const std::vector<std::string_view> old_lines = Lines(before);
  const std::vector<std::string_view> new_lines = Lines(after);
  std::size_t matched = 0;
  for (const std::string_view line : new_lines) {
    if (matched < old_lines.size() && line == old_lines[matched]) ++matched;
  }
  FuzzCheck(matched == old_lines.size(), "a line was lost or moved");
  return 0;
}
