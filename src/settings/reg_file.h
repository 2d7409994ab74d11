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
// 32-bit number is "name"=dword: and eight hexadecimal digits, or "name"=hex(4): and its four
// bytes, lowest first. Every other line (other keys, values of other types, comments, blank
// lines, lines it does not understand) is kept as it stands, so that rewriting the file changes
// only the values written.
//
// A file keeps its encoding. The registry editor exports UTF-16 little-endian with a byte-order
// mark, and imports an 8-bit file's texts in the system's code page and widens its hex(2) and
// hex(7) bytes: such a file is rewritten in UTF-16, every line the program did not write byte for
// byte as it was read, so that it goes back to Windows intact. An 8-bit file, and a file made
// anew, is 8-bit text (UTF-8) with CR LF line ends.
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

  enum class Encoding { kEightBit, kUtf16Le };

  // Reads a file's bytes: 8-bit text, or UTF-16 little-endian with its byte-order mark (as the
  // registry editor exports by default; its texts become UTF-8), with CR LF or LF line ends,
  // headed by kHeader or by the older "REGEDIT4". Nothing when the bytes are not such a file at
  // all; empty bytes are an empty 8-bit file.
  static std::optional<RegFile> Parse(std::string_view bytes);

  Encoding encoding() const { return encoding_; }

  // The value `name` of the key `key_path` (both compared without regard to case; the last of
  // several wins), or nothing when it is absent or deleted ("name"=-).
  std::optional<SettingValue> Find(std::string_view key_path, std::string_view name) const;

  // Sets a value, keeping the spelling of a name already there; a new one goes at the end of
  // the key's section, which is added when missing. A text, name or key with a line break or a
  // zero byte cannot stand in the format, nor one that is not UTF-8 in a UTF-16 file: it is
  // refused (false) and nothing changes.
  bool SetText(std::string_view key_path, std::string_view name, std::string_view text);
  bool SetNumber(std::string_view key_path, std::string_view name, std::uint32_t value);

  // The file in its encoding: 8-bit text with CR LF line ends, or the UTF-16 file's mark and
  // lines, those it read as they were and those written with CR LF.
  std::string Serialize() const;

 private:
  struct Entry {
    enum class Kind { kOther, kSection, kValue };
    Kind kind = Kind::kOther;
    std::vector<std::string> lines;     // as read; more than one for a value continued with "\"
    std::string utf16;                  // a UTF-16 file's: the lines' bytes with their line ends
    std::string key_path;               // kSection
    std::string name;                   // kValue, unescaped
    std::optional<SettingValue> value;  // kValue; nothing for a deletion
  };

  static Entry ParseEntry(std::vector<std::string> lines, std::string utf16 = {});
  // An entry the program writes, in the file's encoding; nothing when a UTF-16 file cannot hold
  // it.
  std::optional<Entry> MakeEntry(std::string line) const;
  bool Set(std::string_view key_path, std::string_view name, std::string data);

  Encoding encoding_ = Encoding::kEightBit;
  std::vector<Entry> entries_;
};

}  // namespace tarvik

#endif  // TARVIK_SETTINGS_REG_FILE_H_
