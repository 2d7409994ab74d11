// A file in the registry editor's export format, as the user's settings are kept outside
// Windows, so that a key exported on Windows can be dropped in place and the file imported back:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Dorvex\Tarvik]
//   "Port Name"="/dev/ttyUSB0"
//   "Big x"=dword:00000014
//
// A text value is "name"="data", where \\ stands for a backslash and \" for a double quote; a
// 32-bit number is "name"=dword: and eight hexadecimal digits. Every other line (other keys,
// values of other types, comments, blank lines, lines it does not understand) is kept as it
// stands, so that rewriting the file changes only the values written.
#ifndef TARVIK_SETTINGS_REG_FILE_H_
#define TARVIK_SETTINGS_REG_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_backend.h"

namespace tarvik {

class RegFile {
 public:
  static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

  // Reads a file's bytes: 8-bit text, or UTF-16 little-endian with its byte-order mark (as the
  // registry editor exports by default; its texts become UTF-8), with CR LF or LF line ends,
  // headed by kHeader or by the older "REGEDIT4". Nothing when the bytes are not such a file at
  // all; empty bytes are an empty file.
  static std::optional<RegFile> Parse(std::string_view bytes);

  // The value `name` of the key `key_path` (both compared without regard to case; the last of
  // several wins), or nothing when it is absent or deleted ("name"=-).
  std::optional<SettingValue> Find(std::string_view key_path, std::string_view name) const;

  // Sets a value, keeping the spelling of a name already there; a new one goes at the end of
  // the key's section, which is added when missing. A text with a line break or a zero byte
  // cannot stand in the format: it is refused (false) and nothing changes.
  bool SetText(std::string_view key_path, std::string_view name, std::string_view text);
  void SetNumber(std::string_view key_path, std::string_view name, std::uint32_t value);

  // The file as 8-bit text with CR LF line ends.
  std::string Serialize() const;

 private:
  struct Entry {
    enum class Kind { kOther, kSection, kValue };
    Kind kind = Kind::kOther;
    std::vector<std::string> lines;     // as read; more than one for a value continued with "\"
    std::string key_path;               // kSection
    std::string name;                   // kValue, unescaped
    std::optional<SettingValue> value;  // kValue; nothing for a deletion
  };

  static Entry ParseEntry(std::vector<std::string> lines);
  void Set(std::string_view key_path, std::string_view name, std::string data,
           const SettingValue& value);

  std::vector<Entry> entries_;
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_REG_FILE_H_
