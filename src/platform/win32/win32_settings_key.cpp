#include "platform/win32/win32_settings_key.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <string>

#include "platform/win32/win32_error_text.h"
#include "settings/settings_store.h"

namespace tarvik::win32 {
namespace {

constexpr char kKeyPath[] = "Software\\Dorvex\\Tarvik";

class RegistryKey final : public SettingsBackend {
 public:
  RegistryKey(HKEY key, const DebugLog& log) : key_(key), log_(log) {}
  ~RegistryKey() override { RegCloseKey(key_); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Queried into a buffer of the store's read size: a longer value fails the query, as it
  // would not fit.
  std::optional<SettingValue> QueryValue(std::string_view name) override {
    const std::string value_name(name);
    std::array<BYTE, SettingsStore::kReadBufferSize> data{};
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    if (RegQueryValueExA(key_, value_name.c_str(), nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    SettingValue value;
    if (type == REG_SZ) {
      // The text ends at its terminator, or at the end of the data when it was stored without.
      const auto* text = reinterpret_cast<const char*>(data.data());
      value.type = SettingValue::Type::kText;
      value.text.assign(text, strnlen(text, size));
    } else if (type == REG_DWORD && size == sizeof(DWORD)) {
      DWORD number = 0;
      std::memcpy(&number, data.data(), sizeof number);
      value.type = SettingValue::Type::kNumber;
      value.number = number;
    }
    return value;
  }

  void SetText(std::string_view name, std::string_view text) override {
    const std::string value_name(name);
    const std::string data(text);
    LogIfFailed(value_name, RegSetValueExA(key_, value_name.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(data.c_str()),
                                           static_cast<DWORD>(data.size() + 1)));
  }

  void SetNumber(std::string_view name, std::uint32_t value) override {
    const std::string value_name(name);
    const DWORD number = value;
    LogIfFailed(value_name, RegSetValueExA(key_, value_name.c_str(), 0, REG_DWORD,
                                           reinterpret_cast<const BYTE*>(&number), sizeof number));
  }

 private:
  // Tells the log why a write failed, if it did.
  void LogIfFailed(const std::string& name, LSTATUS status) const {
    if (status == ERROR_SUCCESS) return;
    LogFailure(log_, "store the value", name + " in HKEY_CURRENT_USER\\" + kKeyPath,
               Win32Error(static_cast<DWORD>(status)));
  }

  HKEY key_;
  const DebugLog& log_;
};

}  // namespace

std::unique_ptr<SettingsBackend> OpenUserSettings(const DebugLog& log) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                         nullptr, &key, &disposition);
  if (status != ERROR_SUCCESS || key == nullptr) {
    LogFailure(log, "open the registry key", std::string("HKEY_CURRENT_USER\\") + kKeyPath,
               Win32Error(static_cast<DWORD>(status)));
    return nullptr;
  }
  return std::make_unique<RegistryKey>(key, log);
}

}  // namespace tarvik::win32
