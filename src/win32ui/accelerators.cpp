#include "win32ui/accelerators.h"

#include <span>
#include <vector>

#include "base/ascii.h"

namespace tarvik::win32ui {
namespace {

constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::optional<WORD> VirtualKey(std::string_view key) {
  if (key.size() == 1 && Upper(key[0]) >= 'A' && Upper(key[0]) <= 'Z') {
    return static_cast<WORD>(Upper(key[0]));
  }
  if (key.size() == 1 && IsDigit(key[0])) return static_cast<WORD>(key[0]);
  if (SameWord(key, "Del") || SameWord(key, "Delete")) return VK_DELETE;
  if (SameWord(key, "Ins") || SameWord(key, "Insert")) return VK_INSERT;
  if (key.size() >= 2 && key.size() <= 3 && (key[0] == 'F' || key[0] == 'f')) {
    int number = 0;
    for (const char digit : key.substr(1)) {
      if (!IsDigit(digit)) return std::nullopt;
      number = number * 10 + (digit - '0');
    }
    if (number >= 1 && number <= 24) return static_cast<WORD>(VK_F1 + number - 1);
  }
  return std::nullopt;
}

void Collect(std::span<const MenuItem> items, std::vector<ACCEL>& table) {
  for (const MenuItem& item : items) {
    Collect(item.items, table);
    if (item.id == 0 || item.shortcut.empty()) continue;
    if (const auto accel = ParseShortcut(item.shortcut, static_cast<WORD>(item.id))) {
      table.push_back(*accel);
    }
  }
}

}  // namespace

std::optional<ACCEL> ParseShortcut(std::string_view shortcut, WORD command) {
  BYTE flags = FVIRTKEY;
  for (std::size_t plus; (plus = shortcut.find('+')) != std::string_view::npos;) {
    const std::string_view modifier = shortcut.substr(0, plus);
    if (SameWord(modifier, "Ctrl")) {
      flags |= FCONTROL;
    } else if (SameWord(modifier, "Shift")) {
      flags |= FSHIFT;
    } else if (SameWord(modifier, "Alt")) {
      flags |= FALT;
    } else {
      return std::nullopt;
    }
    shortcut.remove_prefix(plus + 1);
  }
  const std::optional<WORD> key = VirtualKey(shortcut);
  if (!key) return std::nullopt;
  return ACCEL{flags, *key, command};
}

HACCEL BuildAccelerators(const MenuTemplate& menu) {
  std::vector<ACCEL> table;
  Collect(menu.bar, table);
  if (table.empty()) return nullptr;
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace tarvik::win32ui
