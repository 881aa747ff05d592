// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The lists' notifications, told apart: Windows tells of one pick with several
// notifications, in an order that differs between versions, and of the user's edits
// of a list's text with others. Each pick reaches the logic once, each edit as an edit.

#include "form/form.h"
#include "win32/fields.h"

#include <windows.h>

#include <array>

class Picks
{
public:
    // The message the window posts to itself after a pick's last notification: its
    // wParam is the list's index among the lists.
    static constexpr UINT afterPick = WM_APP + 1;

    Picks(HWND window, form::Форма1 &logic, const Win32Fields &fields)
        : logic_(logic), fields_(fields), window_(window)
    {}

    // A list's notification (CBN_…), sent by Windows to the window.
    void notified(form::Field list, HWND combo, int code);
    // The message posted after a pick's last notification, with its wParam: whatever
    // changed the list's text since then (the edit field's own completion) is an edit.
    // A wParam that names no list is nobody's, and does nothing.
    void afterPicking(WPARAM list);

private:
    form::Форма1 &logic_;
    const Win32Fields &fields_;
    HWND window_;
    // Per list: the item a confirmed pick chose, until the pick's last notification.
    std::array<int, form::listCount> picked_{-1, -1, -1, -1, -1, -1};
};
