#include "ui/x11_probe.h"

#include <cstdlib>
#include <memory>

namespace tarvik::testing {
namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

}  // namespace

X11Probe::X11Probe() {
  int screen_number = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection) != 0) {
    xcb_disconnect(connection);
    return;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screen_number && screens.rem > 0; ++i) xcb_screen_next(&screens);
  connection_ = connection;
  root_ = screens.data->root;
}

X11Probe::~X11Probe() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
}

xcb_atom_t X11Probe::Atom(std::string_view name) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr));
  return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string X11Probe::AtomName(xcb_atom_t atom) {
  const Reply<xcb_get_atom_name_reply_t> reply(
      xcb_get_atom_name_reply(connection_, xcb_get_atom_name(connection_, atom), nullptr));
  if (reply == nullptr) return {};
  return std::string(xcb_get_atom_name_name(reply.get()),
                     static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get())));
}

bool X11Probe::WindowManagerRuns() {
  return connected() && !Numbers(root_, "_NET_SUPPORTING_WM_CHECK").empty();
}

std::optional<std::string> X11Probe::Text(xcb_window_t window, std::string_view name) {
  if (!connected()) return std::nullopt;
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection_,
      xcb_get_property(connection_, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
      nullptr));
  if (reply == nullptr || reply->type == XCB_ATOM_NONE) return std::nullopt;
  const char* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

std::vector<std::uint32_t> X11Probe::Numbers(xcb_window_t window, std::string_view name) {
  if (!connected()) return {};
  const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection_,
      xcb_get_property(connection_, 0, window, Atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
      nullptr));
  if (reply == nullptr || reply->type == XCB_ATOM_NONE || reply->format != 32) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return std::vector<std::uint32_t>(values, values + reply->value_len);
}

std::vector<std::string> X11Probe::AtomNames(xcb_window_t window, std::string_view name) {
  std::vector<std::string> names;
  for (const std::uint32_t atom : Numbers(window, name)) names.push_back(AtomName(atom));
  return names;
}

std::optional<QRect> X11Probe::OuterFrame(xcb_window_t window) {
  const std::vector<std::uint32_t> extents = Numbers(window, "_NET_FRAME_EXTENTS");
  if (extents.size() != 4) return std::nullopt;
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
  const Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
      connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
  if (geometry == nullptr || origin == nullptr) return std::nullopt;
  // The extents are left, right, top, bottom.
  const int left = static_cast<int>(extents[0]);
  const int right = static_cast<int>(extents[1]);
  const int top = static_cast<int>(extents[2]);
  const int bottom = static_cast<int>(extents[3]);
  return QRect(origin->dst_x - left, origin->dst_y - top, geometry->width + left + right,
               geometry->height + top + bottom);
}

void X11Probe::MoveResize(xcb_window_t window, QPoint corner, QSize size) {
  constexpr std::uint32_t kNorthWestGravity = 1;
  constexpr std::uint32_t kAllFourValues = 0xF << 8;
  constexpr std::uint32_t kFromAPager = 2 << 12;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom("_NET_MOVERESIZE_WINDOW");
  message.data.data32[0] = kNorthWestGravity | kAllFourValues | kFromAPager;
  message.data.data32[1] = static_cast<std::uint32_t>(corner.x());
  message.data.data32[2] = static_cast<std::uint32_t>(corner.y());
  message.data.data32[3] = static_cast<std::uint32_t>(size.width());
  message.data.data32[4] = static_cast<std::uint32_t>(size.height());
  xcb_send_event(connection_, 0, root_,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection_);
}

}  // namespace tarvik::testing
