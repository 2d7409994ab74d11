#include "win32ui/win32_sound.h"

#include "win32ui/wide_text.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {
namespace {

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The folder of the running program, with its trailing backslash.
std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The file as named when it exists, else a relative name beside the program; empty for none.
std::wstring Resolve(const std::string& file_name) {
  if (file_name.empty()) return {};
  const std::wstring name = Utf8ToWide(file_name);
  if (IsFile(name)) return name;
  const bool relative =
      name.find(L':') == std::wstring::npos && name.front() != L'\\' && name.front() != L'/';
  if (!relative) return {};
  const std::wstring beside = ProgramFolder() + name;
  return IsFile(beside) ? beside : std::wstring();
}

}  // namespace

void Win32Sound::PlayFileSync(const std::string& file_name) {
  const std::wstring path = Resolve(file_name);
  if (!path.empty() && PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT)) {
    return;
  }
  LogFailure(log_, "play the sound", file_name,
             path.empty() ? "no such file, here or beside the program" : "PlaySound refused it");
  MessageBeep(MB_OK);
}

}  // namespace tarvik::win32ui
