// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/picks.h"

#include "win32/fields.h"

using form::Field;

// A pick is confirmed with CBN_SELENDOK, or is a change of the item while the list is
// closed (the arrow keys); Windows' order of the notifications around it differs
// between versions, so a pick is taken once, in any order, and after its last
// notification the list's text is looked at again.
void Picks::notified(Field list, HWND combo, int code)
{
    const std::size_t li = std::size_t(list);
    switch (code) {
    case CBN_SELENDOK:
    case CBN_SELCHANGE: {
        const int index = int(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        if (index < 0 || picked_[li] == index)
            break;
        if (code == CBN_SELCHANGE && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
            break;
        picked_[li] = index;
        logic_.picked(list, Win32Fields::itemOf(combo, index));
        PostMessageW(window_, afterPick, WPARAM(li), 0);
        break;
    }
    case CBN_SELENDCANCEL:
    case CBN_CLOSEUP:
        PostMessageW(window_, afterPick, WPARAM(li), 0);
        break;
    case CBN_EDITCHANGE:
        // The user's edit; a write from code is none.
        if (!fields_.writing())
            logic_.edited(list);
        break;
    default:
        break;
    }
}

void Picks::afterPicking(WPARAM list)
{
    if (list >= form::listCount)
        return;
    picked_[list] = -1;
    logic_.edited(Field(list));
}
