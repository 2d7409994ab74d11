#include "res/string_table.h"

#include <array>

namespace tarvik {
namespace {

struct Entry {
  int id;
  std::string_view neutral;
  std::string_view german;  // empty: no German form
};

constexpr std::array<Entry, 10> kTable = {{
    {kStrDragToResize, "Drag to resize", "Ziehen um die Grösse zu verändern"},
    {kStrSerialPortNotHappy, "Serial port not happy", "Serielle Schnittstelle unglücklich"},
    {kStrSelectLogFile, "Select Log file", "Selektieren Sie eine Aufzeichnungs Datei"},
    {kStrSelectSoundFile, "Select Sound file", "Selektieren Sie einen Sound Datei"},
    {kStrGeneral, "General", "Generell"},
    {kStrLog, "Log", "Log"},
    {kStrSound, "Sound", "Sound"},
    {kStrConfiguration, "Configuration", "Configuration"},
    {kStrTab, "Tab", ""},
    {kStrLogNotShown, "The log cannot be shown: no program opens text files here.",
     "Die Aufzeichnung kann nicht gezeigt werden: kein Programm öffnet hier Textdateien."},
}};

}  // namespace

std::optional<std::string_view> LoadText(int id, UiLanguage language) {
  for (const Entry& entry : kTable) {
    if (entry.id != id) continue;
    if (language == UiLanguage::kGerman && !entry.german.empty()) return entry.german;
    return entry.neutral;
  }
  return std::nullopt;
}

std::string_view TextOrMissing(int id, UiLanguage language) {
  return LoadText(id, language).value_or(kMissingText);
}

}  // namespace tarvik
