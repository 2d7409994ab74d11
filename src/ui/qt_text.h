// Our texts are UTF-8; Qt's are QStrings.
#ifndef TARVIK_UI_QT_TEXT_H_
#define TARVIK_UI_QT_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace tarvik::ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace tarvik::ui

#endif  // TARVIK_UI_QT_TEXT_H_
