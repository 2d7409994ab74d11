// The user's settings on Windows: the registry key "Software\Dorvex\Tarvik" under
// HKEY_CURRENT_USER, made when it is missing.
#ifndef TARVIK_PLATFORM_WIN32_WIN32_SETTINGS_KEY_H_
#define TARVIK_PLATFORM_WIN32_WIN32_SETTINGS_KEY_H_

#include <memory>

#include "base/debug_log.h"
#include "settings/settings_backend.h"

namespace tarvik::win32 {

// The key opened (or created) with full access; nothing when it could not be. `log` is told
// why the key or a write to it failed.
std::unique_ptr<SettingsBackend> OpenUserSettings(const DebugLog& log = kNoDebugLog);

}  // namespace tarvik::win32

#endif  // TARVIK_PLATFORM_WIN32_WIN32_SETTINGS_KEY_H_
