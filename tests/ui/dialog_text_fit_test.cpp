// Every text of every window fits its control in the font the Qt windows really use: the
// templates' own texts and the widest the program writes, in English and German, each measured
// with the widget's own font metrics in the room its style leaves it (a check box's box, a
// button's edges, a group box's caption inset).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "res/main_window_ids.h"
#include "res/main_window_template.h"
#include "res/text_fit.h"
#include "ui/dialog_font.h"
#include "ui/qt_dialog.h"
#include "ui/qt_text.h"

namespace tarvik::ui {
namespace {

using testing::MeasuredText;
using testing::NamedWindow;
using testing::PlacedControl;
using testing::TextAlign;

PixelRect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The text as drawn: a single "&" marks the mnemonic and takes no room, "&&" is one "&".
QString Drawn(const QString& text, bool mnemonics) {
  if (!mnemonics) return text;
  QString drawn;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && ++i == text.size()) break;
    drawn += text[i];
  }
  return drawn;
}

TextAlign AlignOf(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return TextAlign::kCenter;
  if (alignment & Qt::AlignRight) return TextAlign::kRight;
  return TextAlign::kLeft;
}

// Where a label draws its text, as QLabel lays it out: its contents less the margin, and less
// the indent on the side it is aligned to (a framed label's indent is half an "x" by default).
QRect LabelRoom(const QLabel& label) {
  const int margin = label.margin();
  QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
  int indent = label.indent();
  if (indent < 0 && label.frameWidth() > 0) {
    indent = label.fontMetrics().horizontalAdvance(u'x') / 2 - margin;
  }
  if (indent > 0) {
    const Qt::Alignment alignment = label.alignment();
    if (alignment & Qt::AlignLeft) room.setLeft(room.left() + indent);
    if (alignment & Qt::AlignRight) room.setRight(room.right() - indent);
    if (alignment & Qt::AlignTop) room.setTop(room.top() + indent);
    if (alignment & Qt::AlignBottom) room.setBottom(room.bottom() - indent);
  }
  return room;
}

// The control's text measured in its widget, or nothing for a control without a drawn text
// (edit fields scroll, drop-down lists are filled with port names).
std::optional<MeasuredText> Measure(const QWidget& widget, int control) {
  const QStyle& style = *widget.style();
  QRect room;
  QString text;
  TextAlign align = TextAlign::kLeft;
  bool mnemonics = true;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    text = label->text();
    room = LabelRoom(*label);
    align = AlignOf(label->alignment());
    mnemonics = false;
  } else if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = text = box->text();
    room = style.subElementRect(QStyle::SE_CheckBoxContents, &option, box);
  } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text = button->text();
    if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    room = style.subElementRect(QStyle::SE_PushButtonContents, &option, button);
    align = TextAlign::kCenter;
  } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = text = group->title();
    option.textAlignment = group->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    // The caption keeps as far from the right edge as it starts from the left one.
    room = QRect(label.left(), label.top(), group->width() - 2 * label.left(), label.height());
  } else {
    return std::nullopt;
  }
  const QFontMetrics metrics = widget.fontMetrics();
  MeasuredText measured{control, ToUtf8(text), ToRect(room.translated(widget.pos())), align};
  const QStringList lines = text.split(u'\n');
  for (const QString& line : lines) {
    measured.width = std::max(measured.width, metrics.horizontalAdvance(Drawn(line, mnemonics)));
  }
  measured.height = metrics.height() + (static_cast<int>(lines.size()) - 1) * metrics.lineSpacing();
  return measured;
}

// The widget standing at the control's place in the client area.
QWidget* WidgetAt(const QtDialog& dialog, const ControlTemplate& control) {
  const PixelRect place =
      ToPixels(control.x, control.y, control.width, control.height, dialog.base_units());
  for (QWidget* widget : dialog.client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect at = widget->geometry();
    // A drop-down list is as high as its closed box, not as its template's open list.
    if (at.x() == place.x && at.y() == place.y && at.width() == place.width &&
        (at.height() == place.height || control.kind == ControlKind::kDropDownList)) {
      return widget;
    }
  }
  return nullptr;
}

std::string NameOf(const ControlTemplate& control) {
  return control.id == kNoControlId ? std::string("label") : std::to_string(control.id);
}

class DialogTextFitTest : public ::testing::TestWithParam<NamedWindow> {};

TEST_P(DialogTextFitTest, EveryTextFitsItsControl) {
  const DialogTemplate& dialog = *GetParam().dialog;
  QtDialog window(dialog, nullptr);
  std::vector<PlacedControl> controls;
  std::vector<MeasuredText> texts;
  std::map<int, const QWidget*> widgets;
  for (const ControlTemplate& control : dialog.controls) {
    const QWidget* widget = WidgetAt(window, control);
    ASSERT_NE(widget, nullptr) << "control " << NameOf(control) << " is not at its place";
    const int index = static_cast<int>(controls.size());
    const auto* label = qobject_cast<const QLabel*>(widget);
    controls.push_back({NameOf(control), ToRect(widget->geometry()),
                        control.kind == ControlKind::kGroupBox,
                        label != nullptr && label->frameWidth() == 0});
    widgets[control.id] = widget;
    if (auto text = Measure(*widget, index)) texts.push_back(*text);
  }
  for (const testing::ProgramText& written : testing::ProgramTexts(dialog.name)) {
    const auto at = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                                 [&](const ControlTemplate& c) { return c.id == written.control; });
    if (at == dialog.controls.end()) continue;  // a layout without the control
    window.SetItemText(written.control, written.text);
    const int index = static_cast<int>(at - dialog.controls.begin());
    auto text = Measure(*widgets[written.control], index);
    ASSERT_TRUE(text.has_value()) << written.control;
    texts.push_back(*text);
  }
  const std::vector<std::string> misfits = testing::Misfits(controls, texts);
  std::string report;
  for (const std::string& misfit : misfits) report += "\n  " + misfit;
  EXPECT_TRUE(misfits.empty()) << "In " << GetParam().name << " ("
                               << ToUtf8(QFontInfo(window.font()).family()) << ", base units "
                               << window.base_units().x << " x " << window.base_units().y
                               << "):" << report;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, DialogTextFitTest,
                         ::testing::ValuesIn(testing::EveryWindow()),
                         [](const auto& info) { return std::string(info.param.name); });

// Another default font of the application, and the desktop's own alias for the templates'
// Windows font, change nothing: the texts were measured in the dialog font.
TEST(DialogFontTest, WindowsAreMadeInTheDialogFontWhateverTheDesktopPrefers) {
  const QFont application_font = QApplication::font();
  QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Serif"));
  const DialogTemplate& dialog = MainWindowTemplate(UiLanguage::kNeutral);
  QtDialog window(dialog, &MainMenuTemplate(UiLanguage::kNeutral));
  QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
  QApplication::setFont(application_font);

  EXPECT_EQ(ToUtf8(QFontInfo(window.font()).family()), kDialogFamily);
  EXPECT_EQ(QFontInfo(window.font()).pointSize(), dialog.font_points);
  const QWidget* label = window.Control(static_cast<int>(MainWindowId::kWeightUnit));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(ToUtf8(QFontInfo(label->font()).family()), kDialogFamily);
  // DejaVu Sans at 8 points and 96 dots per inch, as the templates were measured.
  EXPECT_EQ(window.base_units().x, 7);
  EXPECT_EQ(window.base_units().y, 13);
}

}  // namespace
}  // namespace tarvik::ui
