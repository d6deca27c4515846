// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/process/x11activation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <xcb/xcb.h>

#include "platform/process/processlauncher.h"

namespace Platform {
namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template<typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

/// The 32-bit items of \a property on \a window (atoms, windows or cardinals).
std::vector<uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    // Long enough for the client list of any desktop; a longer list is read in part.
    constexpr uint32_t kMaxItems = 65536;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, property, type, 0, kMaxItems);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto *items = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(items, items + xcb_get_property_value_length(reply.get()) / 4);
}

} // namespace

Status activateWindowOfProcess(xcb_connection_t *connection, qint64 pid)
{
    if (!connection || xcb_connection_has_error(connection))
        return fail(ErrorCode::NotSupported, QStringLiteral("no connection to the X display"));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return fail(ErrorCode::NotSupported, QStringLiteral("the X display has no screen"));
    const xcb_window_t root = screen->root;

    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t activeWindow = atom(connection, "_NET_ACTIVE_WINDOW");
    const std::vector<uint32_t> features = property(connection, root, supported, XCB_ATOM_ATOM);
    if (activeWindow == XCB_ATOM_NONE || std::find(features.cbegin(), features.cend(), activeWindow) == features.cend())
        return fail(ErrorCode::NotSupported, QStringLiteral("no window manager that raises windows on request"));

    const xcb_atom_t clientList = atom(connection, "_NET_CLIENT_LIST");
    const xcb_atom_t windowPid = atom(connection, "_NET_WM_PID");
    xcb_window_t target = XCB_WINDOW_NONE;
    // The list runs from the oldest window to the newest; the newest of the process wins.
    for (const uint32_t window : property(connection, root, clientList, XCB_ATOM_WINDOW)) {
        const std::vector<uint32_t> owner = property(connection, window, windowPid, XCB_ATOM_CARDINAL);
        if (!owner.empty() && qint64(owner.front()) == pid)
            target = window;
    }
    if (target == XCB_WINDOW_NONE)
        return fail(ErrorCode::WindowNotFound, QStringLiteral("no window of task %1 is shown").arg(pid));

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = target;
    request.type = activeWindow;
    // Source 2 is a pager's request, made on the learner's behalf, which window managers
    // grant without their focus-stealing rules.
    request.data.data32[0] = 2;
    request.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    if (xcb_connection_has_error(connection))
        return fail(ErrorCode::NotSupported, QStringLiteral("the X display closed the connection"));
    return ok();
}

} // namespace Platform
