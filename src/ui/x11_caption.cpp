#include "ui/x11_caption.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <string_view>

namespace tarvik::ui {
namespace {

// The Motif window manager hints, as window managers read them.
constexpr std::uint32_t kHintFunctions = 1;
constexpr std::uint32_t kHintDecorations = 2;
constexpr std::uint32_t kFunctionResize = 2;
constexpr std::uint32_t kFunctionMove = 4;
constexpr std::uint32_t kFunctionMinimize = 8;
constexpr std::uint32_t kFunctionMaximize = 16;
constexpr std::uint32_t kFunctionClose = 32;
constexpr std::uint32_t kDecorBorder = 2;
constexpr std::uint32_t kDecorResizeHandle = 4;
constexpr std::uint32_t kDecorTitle = 8;
constexpr std::uint32_t kDecorMenu = 16;
constexpr std::uint32_t kDecorMinimize = 32;
constexpr std::uint32_t kDecorMaximize = 64;

// The X connection and the window's native id, or a null connection off X11.
struct NativeWindow {
  xcb_connection_t* connection = nullptr;
  xcb_window_t id = 0;
};

NativeWindow Native(QWindow& window) {
  auto* x11 =
      qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return {};
  return {x11->connection(), static_cast<xcb_window_t>(window.winId())};
}

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

}  // namespace

std::array<std::uint32_t, 5> MotifHints(const CaptionStyle& style) {
  std::uint32_t functions = kFunctionMove;
  std::uint32_t decorations = kDecorBorder | kDecorTitle;
  if (style.sizing_frame) {
    functions |= kFunctionResize;
    decorations |= kDecorResizeHandle;
  }
  // Without the system menu the caption has no buttons at all, whatever boxes the style names.
  if (style.system_menu) {
    functions |= kFunctionClose;
    decorations |= kDecorMenu;
    if (style.minimize_box) {
      functions |= kFunctionMinimize;
      decorations |= kDecorMinimize;
    }
    if (style.maximize_box) {
      functions |= kFunctionMaximize;
      decorations |= kDecorMaximize;
    }
  }
  return {kHintFunctions | kHintDecorations, functions, decorations, 0, 0};
}

void KeepTitleEmpty(QWindow& window) {
  if (!window.title().isEmpty()) return;
  const NativeWindow native = Native(window);
  if (native.connection == nullptr) return;
  // Both names, so that a window manager falling back from one to the other finds nothing either.
  const xcb_atom_t utf8_name = Atom(native.connection, "_NET_WM_NAME");
  const xcb_atom_t utf8_string = Atom(native.connection, "UTF8_STRING");
  if (utf8_name != XCB_ATOM_NONE && utf8_string != XCB_ATOM_NONE) {
    xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, utf8_name, utf8_string,
                        8, 0, nullptr);
  }
  xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, XCB_ATOM_WM_NAME,
                      XCB_ATOM_STRING, 8, 0, nullptr);
  xcb_flush(native.connection);
}

void SetCaptionStyle(QWindow& window, const CaptionStyle& style) {
  const NativeWindow native = Native(window);
  if (native.connection == nullptr) return;
  const xcb_atom_t hints = Atom(native.connection, "_MOTIF_WM_HINTS");
  if (hints == XCB_ATOM_NONE) return;
  const std::array<std::uint32_t, 5> values = MotifHints(style);
  xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.id, hints, hints, 32,
                      static_cast<std::uint32_t>(values.size()), values.data());
  xcb_flush(native.connection);
}

}  // namespace tarvik::ui
