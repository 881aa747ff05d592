// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/picture.h"

namespace picture {

namespace {

constexpr int bitmapSlot = 0;
constexpr int factorSlot = sizeof(LONG_PTR);

void paint(HWND box)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(box, &ps);
    RECT client;
    GetClientRect(box, &client);
    // The box shows its parent's background around the drawing.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (auto bitmap = shown(box)) {
        BITMAP b{};
        GetObjectW(bitmap, sizeof b, &b);
        const int factor = int(GetWindowLongPtrW(box, factorSlot));
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, b.bmWidth * factor, b.bmHeight * factor, source, 0, 0, b.bmWidth,
                   b.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    if (GetFocus() == box) {
        RECT mark = client;
        InflateRect(&mark, -1, -1);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &mark);
    }
    EndPaint(box, &ps);
}

LRESULT CALLBACK procedure(HWND box, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_CREATE:
        SetWindowLongPtrW(box, factorSlot, 1);
        return 0;
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(box, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        // Like the labels, the box is not focused by the mouse.
        return 0;
    default:
        return DefWindowProcW(box, message, w, l);
    }
}

} // namespace

void registerClass(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

void show(HWND box, HBITMAP bitmap)
{
    SetWindowLongPtrW(box, bitmapSlot, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(box, nullptr, FALSE);
}

void setFactor(HWND box, int factor)
{
    SetWindowLongPtrW(box, factorSlot, factor);
    InvalidateRect(box, nullptr, FALSE);
}

HBITMAP shown(HWND box)
{
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(box, bitmapSlot));
}

} // namespace picture
