// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/controls.h"

#include "win32/picture.h"
#include "win32/text.h"

#include <algorithm>

using definition::Align;
using definition::Container;
using definition::Control;
using definition::Kind;

namespace controls {

namespace {

using definition::frameRow;

struct Made {
    const wchar_t *windowClass;
    DWORD style;
    DWORD exStyle;
};

Made madeOf(const Control &c)
{
    const DWORD align = definition::alignmentOf(c) == Align::TopLeft ? SS_LEFT : SS_CENTER;
    switch (c.kind) {
    case Kind::Combo:
        // Editable and unsorted: the lists keep the defined order. Their opened height is
        // set in whole items (fit).
        return {L"COMBOBOX",
                CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 0};
    case Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case Kind::Label:
        // A value in a box of its own: opaque, with a flat border.
        if (c.role == definition::Role::ValueBox)
            return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_BORDER, 0};
        return {L"STATIC", align | SS_NOPREFIX, 0};
    case Kind::Text:
        return {L"EDIT", ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case Kind::Picture:
        return {picture::className, WS_TABSTOP, WS_EX_STATICEDGE};
    case Kind::Line:
        return {L"STATIC", SS_BLACKRECT, 0};
    case Kind::Image:
        return {L"STATIC", SS_BITMAP, 0};
    }
    return {L"STATIC", 0, 0};
}

// The height a control is made with: a list's takes its opened list below it too.
int heightOf(std::size_t row, const RECT &r)
{
    const int height = r.bottom - r.top;
    return definition::controls[row].kind == Kind::Combo ? height * 10 : height;
}

// Gives a list the closed height of its place `r`: its edit field's item height and
// its frame, which is the same for every list and is measured on the first (`frame`
// -1) and returned.
int fit(HWND list, const RECT &r, int frame)
{
    if (frame < 0) {
        SendMessageW(list, CB_SETITEMHEIGHT, WPARAM(-1), 1);
        RECT closed;
        GetWindowRect(list, &closed);
        frame = (closed.bottom - closed.top) - 1;
    }
    const int closed = int(r.bottom - r.top);
    SendMessageW(list, CB_SETITEMHEIGHT, WPARAM(-1), std::max(1, closed - frame));
    // The opened list as tall as nine closed ones, in whole items: it does not fit
    // itself to them (CBS_NOINTEGRALHEIGHT), which under Wine would move it with each
    // item added.
    const int item = std::max(1, int(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0)));
    const int border = 2;
    SetWindowPos(list, nullptr, 0, 0, int(r.right - r.left),
                 closed + (closed * 9 - border) / item * item + border,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return frame;
}

} // namespace

RECT placeOf(std::size_t row, int dpi)
{
    const Control &c = definition::controls[row];
    int left = c.left, top = c.top;
    if (c.container == Container::Frame) {
        left += definition::controls[frameRow].left;
        top += definition::controls[frameRow].top;
    }
    RECT r{scaled(left, dpi), scaled(top, dpi), 0, 0};
    if (c.kind == Kind::Line) {
        // X1, Y1, X2, Y2: a rule one pixel thick, thicker only on denser screens.
        r.right = scaled(c.width, dpi);
        r.bottom = r.top + std::max(1, dpi / 96);
    } else {
        r.right = r.left + scaled(c.width, dpi);
        r.bottom = r.top + scaled(c.height, dpi);
    }
    return r;
}

Windows create(HWND parent, HINSTANCE instance, int dpi, HFONT face, HFONT title)
{
    Windows made{};
    int frame = -1;
    for (std::size_t row = 0; row < count; ++row) {
        const Control &c = definition::controls[row];
        const Made how = madeOf(c);
        const DWORD shown = definition::isShown(c) ? WS_VISIBLE : 0;
        const std::wstring text = wintext::wide(c.kind == Kind::Frame ? u"" : c.text);
        const RECT r = placeOf(row, dpi);
        made[row] = CreateWindowExW(how.exStyle, how.windowClass, text.c_str(),
                                    WS_CHILD | shown | how.style, r.left, r.top, r.right - r.left,
                                    heightOf(row, r), parent,
                                    reinterpret_cast<HMENU>(INT_PTR(idOf(row))), instance, nullptr);
        // Its face at once, and a list its height in it: each is laid out once more only.
        SendMessageW(made[row], WM_SETFONT,
                     WPARAM(c.role == definition::Role::Title ? title : face), FALSE);
        if (c.kind == Kind::Combo)
            frame = fit(made[row], r, frame);
    }
    // The tab order is the order of the siblings.
    HWND after = HWND_TOP;
    for (const std::size_t row : definition::tabOrder) {
        SetWindowPos(made[row], after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = made[row];
    }
    return made;
}

void fitLists(const Windows &made, int dpi)
{
    int frame = -1;
    for (std::size_t row = 0; row < count; ++row)
        if (definition::controls[row].kind == Kind::Combo)
            frame = fit(made[row], placeOf(row, dpi), frame);
}

void layout(const Windows &made, int dpi)
{
    for (std::size_t row = 0; row < count; ++row) {
        const RECT r = placeOf(row, dpi);
        MoveWindow(made[row], r.left, r.top, r.right - r.left, heightOf(row, r), FALSE);
    }
    fitLists(made, dpi);
}

} // namespace controls
