// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WindowManager.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>

namespace {

std::function<bool()> &replacement()
{
    static std::function<bool()> handler;
    return handler;
}

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template<typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t existingAtom(xcb_connection_t *connection, std::string_view name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window a WINDOW property names; none when the property or the window itself is missing.
xcb_window_t windowProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    xcb_generic_error_t *error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1), &error));
    // Taken here, a BadWindow for a vanished window is no warning on Qt's event queue.
    std::free(error);
    if (!reply || reply->type != XCB_ATOM_WINDOW
        || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t))
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
}

// A running manager names a window of its own on the root window, and that window names itself;
// a manager that has gone may leave the name of a window that is gone too.
bool windowManagerRuns(xcb_connection_t *connection)
{
    const xcb_atom_t check = existingAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t own = windowProperty(connection, root, check);
    return own != XCB_WINDOW_NONE && windowProperty(connection, own, check) == own;
}

}

bool WindowManager::maximises()
{
    if (replacement())
        return replacement()();
    // Other platforms maximise by themselves; offscreen, too, answers as an X11 application.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    return !connection || windowManagerRuns(connection);
}

void WindowManager::setHandler(std::function<bool()> handler)
{
    replacement() = std::move(handler);
}
