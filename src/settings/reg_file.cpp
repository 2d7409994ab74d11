#include "settings/reg_file.h"

#include <algorithm>
#include <utility>

#include "settings/utf16_text.h"

namespace tarvik {
namespace {

constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Line feed and carriage return as UTF-16 little-endian code units.
constexpr std::string_view kUtf16LineFeed("\n\0", 2);
constexpr std::string_view kUtf16LineEnd("\r\0\n\0", 4);

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Line {
  std::string text;   // without its line end
  std::string utf16;  // a UTF-16 file's line: its bytes as read, with its line end
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back({std::string(line), {}});
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The lines of UTF-16 little-endian bytes, split at each line-feed code unit. The bytes of each
// are kept, an odd last byte with the last line.
std::vector<Line> SplitUtf16Lines(std::string_view bytes) {
  std::vector<Line> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    std::size_t end = start;
    while (end + 1 < bytes.size() && bytes.substr(end, 2) != kUtf16LineFeed) end += 2;
    const std::size_t next = end + 1 < bytes.size() ? end + 2 : bytes.size();
    std::string_view content = bytes.substr(start, end - start);
    if (content.ends_with(std::string_view("\r\0", 2))) content.remove_suffix(2);
    lines.push_back({Utf16LeToUtf8(content), std::string(bytes.substr(start, next - start))});
    start = next;
  }
  return lines;
}

// A quoted text starting at `text[0]`: its unescaped content and where the data after it starts.
struct Quoted {
  std::string content;
  std::size_t end = 0;  // just after the closing quote
};

std::optional<Quoted> ParseQuoted(std::string_view text) {
  if (text.empty() || text.front() != '"') return std::nullopt;
  Quoted quoted;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      quoted.end = i + 1;
      return quoted;
    }
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      quoted.content += text[++i];
    } else {
      quoted.content += c;
    }
  }
  return std::nullopt;
}

// Whether a text would break its line, or end it early for a reader of C strings.
bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

// A value line's name and the data after its "=", or nothing for any other line.
struct NameAndData {
  std::string name;
  std::string_view data;
};

std::optional<NameAndData> SplitValueLine(std::string_view line) {
  line = Trim(line);
  if (line.starts_with("@=")) return NameAndData{"", line.substr(2)};
  const std::optional<Quoted> name = ParseQuoted(line);
  if (!name || name->end >= line.size() || line[name->end] != '=') return std::nullopt;
  return NameAndData{name->content, line.substr(name->end + 1)};
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Bytes as binary data is exported: hexadecimal pairs separated by commas ("2c,01,00,00"), a
// comma after the last allowed. Nothing when the text is anything else.
std::optional<std::string> ParseHexBytes(std::string_view text) {
  std::string bytes;
  for (text = Trim(text); !text.empty();) {
    const std::size_t comma = text.find(',');
    const std::string_view item = Trim(text.substr(0, comma));
    if (item.empty() || item.size() > 2) return std::nullopt;
    int byte = 0;
    for (const char c : item) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      byte = byte * 16 + digit;
    }
    bytes += static_cast<char>(byte);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return bytes;
}

// What a value's data says; nothing when the line is not understood.
std::optional<std::optional<SettingValue>> ParseData(std::string_view data) {
  if (data == "-") return std::optional<SettingValue>();  // a deletion
  if (const std::optional<Quoted> quoted = ParseQuoted(data)) {
    if (!Trim(data.substr(quoted->end)).empty()) return std::nullopt;
    return SettingValue{SettingValue::Type::kText, quoted->content, 0};
  }
  if (data.starts_with("dword:")) {
    const std::string_view digits = Trim(data.substr(6));
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : digits) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return SettingValue{SettingValue::Type::kNumber, "", number};
  }
  // A DWORD as the editor exports one of another size than four bytes: read when it has four.
  if (data.starts_with("hex(4):")) {
    const std::optional<std::string> bytes = ParseHexBytes(data.substr(7));
    if (!bytes || bytes->size() != 4) return SettingValue{};
    std::uint32_t number = 0;
    for (std::size_t i = 4; i-- > 0;) {
      number = number << 8 | static_cast<unsigned char>((*bytes)[i]);
    }
    return SettingValue{SettingValue::Type::kNumber, "", number};
  }
  if (data.starts_with("hex")) return SettingValue{};  // binary, expandable, multi-text, ...
  return std::nullopt;
}

std::string NumberData(std::uint32_t value) {
  std::string data = "dword:00000000";
  for (std::size_t i = data.size(); value != 0; value >>= 4) {
    data[--i] = "0123456789abcdef"[value & 0xF];
  }
  return data;
}

// The data of a value continued over several lines as one text: each line but the last ends in
// a backslash, and the next one's leading blanks are left out.
std::string JoinContinued(std::string_view first_data, const std::vector<std::string>& lines) {
  std::string data(first_data);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (data.ends_with('\\')) data.pop_back();
    data.append(Trim(lines[i]));
  }
  return data;
}

}  // namespace

RegFile::Entry RegFile::ParseEntry(std::vector<std::string> lines, std::string utf16) {
  Entry entry;
  const std::string_view line = Trim(lines.front());
  entry.lines = std::move(lines);
  entry.utf16 = std::move(utf16);
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    entry.kind = Entry::Kind::kSection;
    entry.key_path = std::string(line.substr(1, line.size() - 2));
    return entry;
  }
  const std::optional<NameAndData> split = SplitValueLine(line);
  if (!split) return entry;
  std::optional<std::optional<SettingValue>> value =
      ParseData(entry.lines.size() > 1 ? JoinContinued(split->data, entry.lines) : split->data);
  if (!value) return entry;  // kept as it stands, and never read
  entry.kind = Entry::Kind::kValue;
  entry.name = split->name;
  entry.value = std::move(*value);
  return entry;
}

std::optional<RegFile> RegFile::Parse(std::string_view bytes) {
  RegFile file;
  std::vector<Line> lines;
  if (bytes.starts_with(kUtf16Mark)) {
    file.encoding_ = Encoding::kUtf16Le;
    lines = SplitUtf16Lines(bytes.substr(kUtf16Mark.size()));
  } else {
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    lines = SplitLines(bytes);
  }
  if (lines.empty()) return file;
  const std::string_view header = Trim(lines.front().text);
  if (header != kHeader && header != kOldHeader) return std::nullopt;

  for (std::size_t i = 0; i < lines.size();) {
    std::vector<std::string> entry_lines = {std::move(lines[i].text)};
    std::string utf16 = std::move(lines[i++].utf16);
    // Binary data runs on over the following lines while a line ends in a backslash.
    const std::optional<NameAndData> split = SplitValueLine(entry_lines.front());
    if (split && split->data.starts_with("hex")) {
      while (i < lines.size() && Trim(entry_lines.back()).ends_with('\\')) {
        entry_lines.push_back(std::move(lines[i].text));
        utf16 += lines[i++].utf16;
      }
    }
    file.entries_.push_back(ParseEntry(std::move(entry_lines), std::move(utf16)));
  }
  return file;
}

std::optional<SettingValue> RegFile::Find(std::string_view key_path, std::string_view name) const {
  const Entry* found = nullptr;
  bool in_key = false;
  for (const Entry& entry : entries_) {
    if (entry.kind == Entry::Kind::kSection) {
      in_key = EqualsIgnoringCase(entry.key_path, key_path);
    } else if (in_key && entry.kind == Entry::Kind::kValue &&
               EqualsIgnoringCase(entry.name, name)) {
      found = &entry;
    }
  }
  return found != nullptr ? found->value : std::nullopt;
}

bool RegFile::SetText(std::string_view key_path, std::string_view name, std::string_view text) {
  return !HasLineBreak(text) && Set(key_path, name, Quote(text));
}

bool RegFile::SetNumber(std::string_view key_path, std::string_view name, std::uint32_t value) {
  return Set(key_path, name, NumberData(value));
}

std::optional<RegFile::Entry> RegFile::MakeEntry(std::string line) const {
  std::string utf16;
  if (encoding_ == Encoding::kUtf16Le) {
    std::optional<std::string> encoded = Utf8ToUtf16Le(line);
    if (!encoded) return std::nullopt;
    utf16 = std::move(*encoded);
    utf16.append(kUtf16LineEnd);
  }
  return ParseEntry({std::move(line)}, std::move(utf16));
}

bool RegFile::Set(std::string_view key_path, std::string_view name, std::string data) {
  if (HasLineBreak(key_path) || HasLineBreak(name)) return false;
  Entry* found = nullptr;
  std::optional<std::size_t> insert_at;
  bool in_key = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    Entry& entry = entries_[i];
    if (entry.kind == Entry::Kind::kSection) {
      in_key = EqualsIgnoringCase(entry.key_path, key_path);
      if (in_key) insert_at = i + 1;
    } else if (in_key && entry.kind == Entry::Kind::kValue) {
      insert_at = i + 1;
      if (EqualsIgnoringCase(entry.name, name)) found = &entry;
    }
  }
  const std::string stored_name = found != nullptr ? found->name : std::string(name);
  std::optional<Entry> line =
      MakeEntry((stored_name.empty() ? std::string("@") : Quote(stored_name)) + "=" + data);
  if (!line) return false;
  if (found != nullptr) {
    *found = std::move(*line);
    return true;
  }
  if (insert_at) {
    auto at = entries_.begin() + static_cast<std::ptrdiff_t>(*insert_at);
    // Binary data cut off in the middle would run on into the new line: a blank line ends it.
    if (Trim(std::prev(at)->lines.back()).ends_with('\\'))
      at = entries_.insert(at, MakeEntry("").value()) + 1;
    entries_.insert(at, std::move(*line));
    return true;
  }
  std::string section_line = "[";
  section_line.append(key_path).append("]");
  std::optional<Entry> section = MakeEntry(std::move(section_line));
  if (!section) return false;
  if (entries_.empty()) entries_.push_back(MakeEntry(std::string(kHeader)).value());
  if (!Trim(entries_.back().lines.back()).empty()) entries_.push_back(MakeEntry("").value());
  entries_.push_back(std::move(*section));
  entries_.push_back(std::move(*line));
  return true;
}

std::string RegFile::Serialize() const {
  std::string out;
  if (encoding_ == Encoding::kEightBit) {
    for (const Entry& entry : entries_) {
      for (const std::string& line : entry.lines) out.append(line).append("\r\n");
    }
    return out;
  }
  out = kUtf16Mark;
  for (const Entry& entry : entries_) {
    // A last line read without its line end (a file cut short) gets one when a line follows,
    // without the half code unit it may end in, which would shift every later character.
    if (out.size() % 2 != 0) out.pop_back();
    if (out.size() > kUtf16Mark.size() && !out.ends_with(kUtf16LineFeed)) {
      out.append(out.ends_with(kUtf16LineEnd.substr(0, 2)) ? kUtf16LineFeed : kUtf16LineEnd);
    }
    out.append(entry.utf16);
  }
  return out;
}

}  // namespace tarvik
