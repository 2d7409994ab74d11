// Any bytes as a settings file: reading never crashes or hangs, a file that was read keeps every
// line through a rewrite that adds a value, and the value reads back.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/reg_file.h"

namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Dorvex\\Tarvik";

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "reg_file_fuzz: %s\n", what);
  std::abort();
}

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
  Check(again && again->Serialize() == before, "a written file does not read back the same");

  const std::string text = "C:\\fuzz \"value\"";
  Check(file->SetText(kKey, "Tarvik Fuzz Value", text), "a plain text was refused");
  const std::string after = file->Serialize();
  const std::optional<tarvik::RegFile> rewritten = tarvik::RegFile::Parse(after);
  Check(rewritten.has_value(), "the rewritten file does not read");
  const auto value = rewritten->Find(kKey, "TARVIK FUZZ VALUE");
  Check(value && value->text == text, "the written value does not read back");

  // Every line of the file is still there, in order, beside the one line added (unless the
  // input had a value of that name already, which the write replaced).
  std::string folded = before;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (folded.find("tarvik fuzz value") != std::string::npos) return 0;
  const std::vector<std::string_view> old_lines = Lines(before);
  const std::vector<std::string_view> new_lines = Lines(after);
  Check(new_lines.size() >= old_lines.size() + 1, "lines were lost");
  std::size_t matched = 0;
  for (const std::string_view line : new_lines) {
    if (matched < old_lines.size() && line == old_lines[matched]) ++matched;
  }
  Check(matched == old_lines.size(), "a line was lost or moved");
  return 0;
}

#ifdef TARVIK_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzRegFile(data, size);
}
#endif
