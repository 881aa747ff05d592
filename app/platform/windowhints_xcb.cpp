// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/windowhints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace windowhints {

namespace {

// The Motif window manager hints: flags, functions, decorations, input mode, status.
enum : std::uint32_t {
    hintsFunctions = 1u << 0,
    hintsDecorations = 1u << 1,
    functionMove = 1u << 2,
    functionMinimize = 1u << 3,
    functionClose = 1u << 5,
    decorationBorder = 1u << 1,
    decorationTitle = 1u << 3,
    decorationMenu = 1u << 4,
    decorationMinimize = 1u << 5,
};

} // namespace

void offerNoResize(QWidget *window)
{
    if (QGuiApplication::platformName() != u"xcb")
        return;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window->windowHandle())
        return;
    xcb_connection_t *connection = x11->connection();
    const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return;
    const std::uint32_t hints[5] = {
        hintsFunctions | hintsDecorations,
        functionMove | functionMinimize | functionClose,
        decorationBorder | decorationTitle | decorationMenu | decorationMinimize,
        0,
        0,
    };
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        atom->atom, atom->atom, 32, 5, hints);
    xcb_flush(connection);
    std::free(atom);
}

} // namespace windowhints
