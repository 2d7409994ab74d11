// The shot table's list view: a virtual list in report mode whose rows the core describes. These
// helpers make it, answer its notifications from the core's rows, and read and set its
// selection.
#ifndef TARVIK_WIN32UI_WIN32_TABLE_LIST_H_
#define TARVIK_WIN32UI_WIN32_TABLE_LIST_H_

#include <span>
#include <vector>

#include "dialogs/table_window.h"
#include "win32ui/windows_api.h"

namespace tarvik::win32ui {

// A report-mode list view with owner data, full-row select and double buffering, a child of
// `parent` with the control identifier `id`; null when it cannot be made.
HWND MakeTableList(HWND parent, int id);
// Adds the columns, each as wide as its number of average characters of `average_width` pixels
// and the margins the list keeps around a text.
void AddTableColumns(HWND list, std::span<const TableColumn> columns, int average_width);
// The average width of a character in `font`, as the dialog manager measures it: the width of
// the 52 letters "A" to "Z" and "a" to "z" over 52, rounded.
int AverageCharWidth(HWND window, HFONT font);

// Fills in the text the list asks for (LVN_GETDISPINFOW) from the core's cell.
void AnswerDisplayInfo(NMLVDISPINFOW& info, const TableWindowEvents& events);
// The answer to the list's NM_CUSTOMDRAW: every row is announced, a dimmed row is drawn grey in
// `struck_font`, an alert row red.
LRESULT AnswerCustomDraw(NMLVCUSTOMDRAW& draw, const TableWindowEvents& events, HFONT struck_font);

// The selected rows, in ascending order.
std::vector<int> SelectedItems(HWND list);
// Selects exactly `rows` (those outside the list are left out) and gives the first the focus.
void SelectItems(HWND list, std::span<const int> rows);
// Sets the number of rows without scrolling and redraws the rows from `first` on that are in
// view.
void SetItemCount(HWND list, int count, int first);

}  // namespace tarvik::win32ui

#endif  // TARVIK_WIN32UI_WIN32_TABLE_LIST_H_
