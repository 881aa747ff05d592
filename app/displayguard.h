// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// While the toolkit connects to the display: where it finds none, the program says so
// in the user's language and ends with status 1, instead of the toolkit's English
// message and abort.

#include <QLocale>
#include <QtGlobal>

class DisplayGuard
{
public:
    explicit DisplayGuard(const QLocale &locale);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The display is open: the toolkit's messages go where they went before, those of
    // the connection too.
    void done();

private:
    QtMessageHandler previous_;
    bool active_ = true;
};
