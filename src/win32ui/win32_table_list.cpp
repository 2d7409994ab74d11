#include "win32ui/win32_table_list.h"

#include <algorithm>

#include "win32ui/dpi.h"
#include "win32ui/wide_text.h"

namespace tarvik::win32ui {
namespace {

// At 100 %.
constexpr int kCellMargin = 6;

}  // namespace

HWND MakeTableList(HWND parent, int id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA |
                      LVS_SHOWSELALWAYS;
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (list == nullptr) return nullptr;
  const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  return list;
}

void AddTableColumns(HWND list, std::span<const TableColumn> columns, int average_width) {
  // The room the list keeps on either side of a cell's or heading's text.
  const int margins = 2 * ScaleToDpi(kCellMargin, WindowDpi(list));
  int index = 0;
  for (const TableColumn& column : columns) {
    std::wstring heading = Utf8ToWide(column.heading);
    LVCOLUMNW item{};
    item.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    item.fmt = column.right_aligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    item.cx = column.width_in_characters * average_width + margins;
    item.pszText = heading.data();
    item.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    ++index;
  }
}

int AverageCharWidth(HWND window, HFONT font) {
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, kLetters, 52, &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return std::max(1L, (size.cx / 26 + 1) / 2);
}

void AnswerDisplayInfo(NMLVDISPINFOW& info, const TableWindowEvents& events) {
  LVITEMW& item = info.item;
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
  const std::wstring text = Utf8ToWide(events.CellText(item.iItem, item.iSubItem));
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

LRESULT AnswerCustomDraw(NMLVCUSTOMDRAW& draw, const TableWindowEvents& events, HFONT struck_font) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const RowLook look = events.LookOfRow(static_cast<int>(draw.nmcd.dwItemSpec));
      // A left-out row is grey whether or not it was over the limit: it no longer counts.
      if (look.dimmed) {
        draw.clrText = GetSysColor(COLOR_GRAYTEXT);
        if (struck_font != nullptr) SelectObject(draw.nmcd.hdc, struck_font);
        return CDRF_NEWFONT;
      }
      if (look.alert) {
        draw.clrText = RGB(kRed.red, kRed.green, kRed.blue);
        return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

std::vector<int> SelectedItems(HWND list) {
  std::vector<int> rows;
  const auto count = static_cast<std::size_t>(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
  rows.reserve(count);
  int row = -1;
  while ((row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                              LVNI_SELECTED))) != -1) {
    rows.push_back(row);
  }
  return rows;
}

void SelectItems(HWND list, std::span<const int> rows) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = 0;
  // Item -1 stands for every item.
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  bool first = true;
  for (int row : rows) {
    if (row < 0 || row >= count) continue;
    state.stateMask = LVIS_SELECTED | (first ? LVIS_FOCUSED : 0);
    state.state = state.stateMask;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
    first = false;
  }
}

void SetItemCount(HWND list, int count, int first) {
  const int before = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
               LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  // Only the rows in view are redrawn: a change at the start of a long list costs no more.
  const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  const int page = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
  const int from = std::max({first, top, 0});
  const int to = std::min(std::min(before, count) - 1, top + page);
  if (from <= to) SendMessageW(list, LVM_REDRAWITEMS, static_cast<WPARAM>(from), to);
}

}  // namespace tarvik::win32ui
