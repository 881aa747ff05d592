// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// While the toolkit opens the window's platform: where it cannot, the program ends with
// status 1, no core dump, and a message in the user's language. Where no display was
// there to reach, that message is all; after any other failure (a platform that does
// not exist or does not load, a display that refused) the toolkit's own diagnostic
// comes first, its list of platforms and QT_DEBUG_PLUGINS output included.

#include <QLocale>
#include <QStringList>
#include <QtGlobal>

class DisplayGuard
{
public:
    DisplayGuard(const QLocale &locale, const QStringList &arguments);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The display is open: the toolkit's messages go where they went before, those of
    // the connection too.
    void done();

    // Whether a failure to start can only mean that there was no display: none is
    // named (DISPLAY, WAYLAND_DISPLAY, -display), and the platform asked for, if any,
    // is one that needs a display server (xcb, wayland).
    static bool noDisplayNamed(const QStringList &arguments, const QByteArray &platformVariable,
                               const QByteArray &x11Display, const QByteArray &waylandDisplay);

private:
    bool active_ = true;
};
