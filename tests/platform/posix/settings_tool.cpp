// Reads and writes the user's settings file through the program's own settings code (the store
// over the file that $XDG_CONFIG_HOME names), one step per pair or triple of arguments, so that
// a script can use the file as the program does:
//   tarvik_settings_tool read-text NAME | read-number NAME | write-text NAME TEXT |
//                        write-number NAME NUMBER ...
// Each read prints the value on a line of its own, "(default)" when the store gives the default.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "base/number_text.h"
#include "platform/posix/posix_settings_file.h"
#include "settings/settings_store.h"

namespace {

constexpr std::string_view kDefault = "(default)";
constexpr std::int32_t kDefaultNumber = -123456789;

int Fail(const char* what) {
  std::fprintf(stderr, "tarvik_settings_tool: %s\n", what);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<tarvik::SettingsBackend> file = tarvik::posix::OpenUserSettings();
  if (file == nullptr) return Fail("there is no place for the settings file");
  std::unique_ptr<tarvik::SettingsStore> store = tarvik::OpenSettingsStore(std::move(file));
  for (int i = 1; i < argc;) {
    const std::string_view step = argv[i];
    if (i + 1 >= argc) return Fail("a step lacks its value name");
    const char* name = argv[i + 1];
    if (step == "read-text") {
      std::printf("%s\n", store->ReadSettingText(name, kDefault).c_str());
      i += 2;
    } else if (step == "read-number") {
      const std::int32_t number = store->ReadSettingDword(name, kDefaultNumber);
      const std::string text =
          number == kDefaultNumber ? std::string(kDefault) : tarvik::FormatInt(number);
      std::printf("%s\n", text.c_str());
      i += 2;
    } else if (i + 2 >= argc) {
      return Fail("a write lacks its value");
    } else if (step == "write-text") {
      store->WriteSettingText(name, argv[i + 2]);
      i += 3;
    } else if (step == "write-number") {
      store->WriteSettingDword(name, tarvik::ParseInteger(argv[i + 2]));
      i += 3;
    } else {
      return Fail("unknown step");
    }
  }
  return 0;
}
