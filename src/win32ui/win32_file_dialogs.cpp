#include "win32ui/win32_file_dialogs.h"

#include <algorithm>

#include "win32ui/modal_scope.h"
#include "win32ui/wide_text.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {
namespace {

// Room for a long path; the dialog writes the chosen one here.
constexpr std::size_t kPathRoom = 32768;

// "name\0pattern\0" for each filter, then a second terminating zero.
std::wstring FilterList(std::span<const FileFilter> filters) {
  std::wstring list;
  for (const FileFilter& filter : filters) {
    list += Utf8ToWide(filter.name);
    list.push_back(L'\0');
    list += Utf8ToWide(filter.pattern);
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  return list;
}

}  // namespace

std::string Win32FileDialogs::ChooseFile(const ChooseFileRequest& request) {
  HWND active = GetActiveWindow();
  const std::wstring title = Utf8ToWide(request.title);
  const std::wstring filters = FilterList(request.filters);
  std::wstring path(kPathRoom, L'\0');
  const std::wstring start = Utf8ToWide(request.file);
  const std::wstring extension = Utf8ToWide(DefaultExtension(request.filters));
  std::copy_n(start.begin(), std::min(start.size(), kPathRoom - 1), path.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = active != nullptr ? active : owner_.hwnd();
  dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(kPathRoom);
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // A file that does not exist yet may be named, in a folder that does; one to be written is
  // replaced only once the user has said so.
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (request.save) {
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  }
  // The buffer holds the chosen path, or the starting name when the user cancelled.
  {
    const ModalScope modal(dialog.hwndOwner);
    (request.save ? GetSaveFileNameW : GetOpenFileNameW)(&dialog);
  }
  path.resize(path.find(L'\0'));
  return WideToUtf8(path);
}

}  // namespace tarvik::win32ui
