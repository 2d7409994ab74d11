// The program's translatable texts by identifier, in the neutral (English) set and the German
// set. Texts are UTF-8.
#ifndef TARVIK_RES_STRING_TABLE_H_
#define TARVIK_RES_STRING_TABLE_H_

#include <optional>
#include <string_view>

namespace tarvik {

enum class UiLanguage { kNeutral, kGerman };

inline constexpr int kStrDragToResize = 1000;
inline constexpr int kStrSerialPortNotHappy = 1001;
inline constexpr int kStrSelectLogFile = 1002;
inline constexpr int kStrSelectSoundFile = 1003;
inline constexpr int kStrGeneral = 1004;
inline constexpr int kStrLog = 1005;
inline constexpr int kStrSound = 1006;
inline constexpr int kStrConfiguration = 1007;
inline constexpr int kStrTab = 1008;
inline constexpr int kStrLogNotShown = 1009;
// The history of strings, told once each: it cannot be written (the folder follows), it is
// written again, another Tarvik holds it.
inline constexpr int kStrHistoryNotWritten = 1010;
inline constexpr int kStrHistoryWrittenAgain = 1011;
inline constexpr int kStrHistoryShared = 1012;

// Shown wherever a text cannot be loaded.
inline constexpr std::string_view kMissingText = "(internal error - missing text)";

// The text in the given language; a text without a German form comes from the neutral set.
// Nothing for an unknown identifier.
std::optional<std::string_view> LoadText(int id, UiLanguage language);

// LoadText, or kMissingText.
std::string_view TextOrMissing(int id, UiLanguage language);

}  // namespace tarvik

#endif  // TARVIK_RES_STRING_TABLE_H_
