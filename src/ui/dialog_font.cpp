#include "ui/dialog_font.h"

#include <QStringList>

namespace tarvik::ui {

QFont DialogFont(int points) {
  QFont font;
  font.setFamilies({QString::fromLatin1(kDialogFamily), QStringLiteral("Bitstream Vera Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  // The desktop's choice of hinting would round the glyphs' widths differently: light hinting
  // keeps the widths the templates were measured with.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  return font;
}

}  // namespace tarvik::ui
