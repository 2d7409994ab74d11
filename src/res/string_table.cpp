#include "res/string_table.h"

#include <array>

namespace tarvik {
namespace {

struct Entry {
  int id;
  std::string_view neutral;
  std::string_view german;  // empty: no German form
};

constexpr std::array<Entry, 13> kTable = {{
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
    {kStrHistoryNotWritten,
     "The shots cannot be kept in the history now. They are still shown and counted, and Tarvik "
     "writes them as soon as it can. The history's folder:",
     "Die Schüsse können jetzt nicht im Verlauf aufbewahrt werden. Sie werden weiter gezeigt und "
     "gezählt, und Tarvik schreibt sie, sobald es wieder geht. Der Ordner des Verlaufs:"},
    {kStrHistoryWrittenAgain, "The held shots are now kept in the history.",
     "Die zurückgehaltenen Schüsse sind jetzt im Verlauf aufbewahrt."},
    {kStrHistoryShared,
     "Another Tarvik is keeping the history at the same time. Each keeps its own strings; a "
     "string the other one records appears in this one's history once listed again.",
     "Ein anderes Tarvik führt gleichzeitig den Verlauf. Jedes bewahrt seine eigenen Serien auf; "
     "eine Serie des anderen erscheint in diesem Verlauf, sobald er neu gelistet wird."},
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
