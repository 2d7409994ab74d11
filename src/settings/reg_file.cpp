#include "settings/reg_file.h"

#include <algorithm>

namespace tarvik {
namespace {

constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

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

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// UTF-16 little-endian to UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t code = unit(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    AppendUtf8(out, code);
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
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

}  // namespace

RegFile::Entry RegFile::ParseEntry(std::vector<std::string> lines) {
  Entry entry;
  const std::string_view line = Trim(lines.front());
  entry.lines = std::move(lines);
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    entry.kind = Entry::Kind::kSection;
    entry.key_path = std::string(line.substr(1, line.size() - 2));
    return entry;
  }
  const std::optional<NameAndData> split = SplitValueLine(line);
  if (!split) return entry;
  std::optional<std::optional<SettingValue>> value = ParseData(split->data);
  if (!value) return entry;  // kept as it stands, and never read
  entry.kind = Entry::Kind::kValue;
  entry.name = split->name;
  entry.value = std::move(*value);
  return entry;
}

std::optional<RegFile> RegFile::Parse(std::string_view bytes) {
  std::string text;
  if (bytes.starts_with(kUtf16Mark)) {
    text = Utf16LeToUtf8(bytes.substr(kUtf16Mark.size()));
  } else {
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    text = std::string(bytes);
  }
  std::vector<std::string> lines = SplitLines(text);
  RegFile file;
  if (lines.empty()) return file;
  const std::string_view header = Trim(lines.front());
  if (header != kHeader && header != kOldHeader) return std::nullopt;

  for (std::size_t i = 0; i < lines.size();) {
    std::vector<std::string> entry_lines = {std::move(lines[i++])};
    // Binary data runs on over the following lines while a line ends in a backslash.
    const std::optional<NameAndData> split = SplitValueLine(entry_lines.front());
    if (split && split->data.starts_with("hex")) {
      while (i < lines.size() && Trim(entry_lines.back()).ends_with('\\')) {
        entry_lines.push_back(std::move(lines[i++]));
      }
    }
    file.entries_.push_back(ParseEntry(std::move(entry_lines)));
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
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  Set(key_path, name, Quote(text), SettingValue{SettingValue::Type::kText, std::string(text), 0});
  return true;
}

void RegFile::SetNumber(std::string_view key_path, std::string_view name, std::uint32_t value) {
  Set(key_path, name, NumberData(value), SettingValue{SettingValue::Type::kNumber, "", value});
}

void RegFile::Set(std::string_view key_path, std::string_view name, std::string data,
                  const SettingValue& value) {
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
  Entry line;
  line.kind = Entry::Kind::kValue;
  line.name = stored_name;
  line.value = value;
  line.lines = {(stored_name.empty() ? std::string("@") : Quote(stored_name)) + "=" + data};
  if (found != nullptr) {
    *found = std::move(line);
    return;
  }
  if (insert_at) {
    auto at = entries_.begin() + static_cast<std::ptrdiff_t>(*insert_at);
    // Binary data cut off in the middle would run on into the new line: a blank line ends it.
    if (Trim(std::prev(at)->lines.back()).ends_with('\\'))
      at = entries_.insert(at, ParseEntry({""})) + 1;
    entries_.insert(at, std::move(line));
    return;
  }
  auto append_line = [this](std::string text) {
    entries_.push_back(ParseEntry({std::move(text)}));
  };
  if (entries_.empty()) append_line(std::string(kHeader));
  if (!Trim(entries_.back().lines.back()).empty()) append_line("");
  std::string section = "[";
  section.append(key_path).append("]");
  append_line(std::move(section));
  entries_.push_back(std::move(line));
}

std::string RegFile::Serialize() const {
  std::string out;
  for (const Entry& entry : entries_) {
    for (const std::string& line : entry.lines) out.append(line).append("\r\n");
  }
  return out;
}

}  // namespace tarvik
