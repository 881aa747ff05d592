// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Drives the running program's window from another process, through window messages,
// as the outside tests need:
//   probe read            prints each field's text, one "name=text" line each (UTF-8)
//   probe clip TEXT       puts TEXT on the clipboard
//   probe clipboard       prints the clipboard's text
//   probe rect NAME       prints a control's place in the window: x y width height,
//                         and a list's items' height
//   probe dropped NAME    succeeds while the named list is open
//   probe inked NAME      prints how many pixels a control's text darkens drawn in the
//                         window's face, regular and bold, in the control's size
//   probe agree           succeeds when every field is what the logic alone shows for
//                         the lists' and the length's texts on screen
//   probe walk SEED STEPS picks, typing, deletions and pastes at random; after each
//                         step every field must be what the window's logic alone
//                         makes of the same steps
// The window is found by its class and title; its controls by their IDs.

#include "clipboard.h"
#include "core/check.h"
#include "core/fakefields.h"
#include "core/walk.h"
#include "form/keyrule.h"
#include "form/lists.h"
#include "win32/controls.h"
#include "win32/look.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using form::Field;

namespace {

HWND window()
{
    return FindWindowW(L"ElectrodeCalcWindow", L"Орвела");
}

HWND control(HWND w, Field field)
{
    return GetDlgItem(w, controls::idOf(definition::rowOf(field)));
}

// A list's edit field, found as a child window: from another process a list does not
// answer for it.
HWND editOf(HWND field)
{
    HWND edit = FindWindowExW(field, nullptr, L"Edit", nullptr);
    return edit ? edit : field;
}

std::u16string textOf(HWND control)
{
    wchar_t buffer[1024]{};
    const LRESULT got = SendMessageW(control, WM_GETTEXT, 1024, LPARAM(buffer));
    return std::u16string(reinterpret_cast<const char16_t *>(buffer), std::size_t(got));
}

int read(HWND w)
{
    for (std::size_t i = 0; i < form::fieldCount; ++i)
        std::printf("%s=%s\n", check::utf8(form::nameOf(Field(i))).c_str(),
                    check::utf8(textOf(control(w, Field(i)))).c_str());
    return 0;
}

// A pick as Windows tells of a mouse pick under Wine: the item becomes current, then
// SELENDOK, CLOSEUP, SELCHANGE.
void pick(HWND w, HWND list, int index)
{
    SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0);
    const int id = GetDlgCtrlID(list);
    for (const int code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE})
        SendMessageW(w, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(list));
}

void type(HWND field, char16_t c)
{
    HWND edit = editOf(field);
    const LRESULT end = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(edit, EM_SETSEL, WPARAM(end), LPARAM(end));
    SendMessageW(edit, WM_CHAR, WPARAM(c), 1);
}

HWND named(HWND w, std::u16string_view name)
{
    const std::optional<std::size_t> row = definition::find(name);
    return row ? GetDlgItem(w, controls::idOf(*row)) : nullptr;
}

int rect(HWND w, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT *>(&r), 2);
    // A list's items' height too.
    const LRESULT item = SendMessageW(control, CB_GETITEMHEIGHT, 0, 0);
    std::printf("%ld %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
                long(item == CB_ERR ? 0 : item));
    return 0;
}

// The pixels of `text` drawn black on white in the window's face at `weight`, wrapped
// in `box` as a label wraps it, that are darker than mid grey.
int inked(std::u16string_view text, SIZE box, int weight, int dpi)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = box.cx;
    info.bmiHeader.biHeight = -box.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT r{0, 0, box.cx, box.cy};
    FillRect(dc, &r, HBRUSH(GetStockObject(WHITE_BRUSH)));
    HFONT font = look::fontOf(MulDiv(definition::fontPixels, dpi, 96), weight);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, reinterpret_cast<const wchar_t *>(text.data()), int(text.size()), &r,
              DT_WORDBREAK | DT_NOPREFIX);
    GdiFlush();
    int dark = 0;
    const auto *pixel = static_cast<const unsigned char *>(bits);
    for (int i = 0; i < box.cx * box.cy; ++i, pixel += 4)
        dark += (pixel[0] + pixel[1] * 2 + pixel[2]) / 4 < 128;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return dark;
}

bool compare(HWND w, const FakeFields &twin, const std::string &row)
{
    bool same = true;
    for (std::size_t i = 0; i < form::fieldCount; ++i)
        same &= check::equal(row, check::utf8(form::nameOf(Field(i))), textOf(control(w, Field(i))),
                             twin.text(Field(i)));
    return same;
}

int agree(HWND w)
{
    FakeFields twin;
    form::Форма1 logic(twin, u",");
    logic.Load();
    for (const Field list :
         {Field::Комбо5, Field::Комбо6, Field::Комбо1, Field::Комбо2, Field::Комбо3, Field::Комбо4})
        logic.picked(list, textOf(control(w, list)));
    twin.at(Field::Текст2) = textOf(control(w, Field::Текст2));
    logic.edited(Field::Текст2);
    compare(w, twin, "the texts on screen");
    return check::verdict();
}

int walkThrough(HWND w, unsigned seed, int steps)
{
    walk::Walk walk(seed);
    for (int step = 1; step <= steps; ++step) {
        const walk::Step s = walk.next();
        HWND field = control(w, s.field);
        switch (s.kind) {
        case walk::Kind::None:
            continue;
        case walk::Kind::Pick:
            pick(w, field, int(s.index));
            break;
        case walk::Kind::Key:
            type(field, s.key);
            break;
        case walk::Kind::Backspace:
            type(field, keyrule::backspace);
            break;
        case walk::Kind::Paste: {
            clipboard::put(nullptr, s.text);
            HWND edit = editOf(field);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SendMessageW(edit, WM_PASTE, 0, 0);
            break;
        }
        }
        walk.apply(s);
        const auto shown = [w](Field f) { return textOf(control(w, f)); };
        if (!walk.compare(shown, "step " + std::to_string(step) + " (" + s.what() + ")"))
            break;
    }
    return check::verdict();
}

} // namespace

int main()
{
    // The arguments as typed, Cyrillic included, whatever the code page.
    int argc = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::u16string> args;
    for (int i = 0; i < argc; ++i)
        args.emplace_back(reinterpret_cast<const char16_t *>(wide[i]));
    LocalFree(wide);
    const auto is = [&args](std::size_t count, std::u16string_view command) {
        return args.size() >= count && args[1] == command;
    };
    if (is(3, u"clip"))
        return clipboard::put(nullptr, args[2]) ? 0 : 1;
    HWND w = window();
    if (!w) {
        std::printf("FAIL: no window titled Орвела\n");
        return 1;
    }
    if (is(2, u"read"))
        return read(w);
    if (is(3, u"rect") && named(w, args[2]))
        return rect(w, named(w, args[2]));
    if (is(2, u"clipboard")) {
        std::printf("%s\n", check::utf8(clipboard::text()).c_str());
        return 0;
    }
    if (is(3, u"inked") && named(w, args[2])) {
        HWND control = named(w, args[2]);
        RECT r;
        GetClientRect(control, &r);
        const std::u16string text = textOf(control);
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        std::printf("%d %d\n", inked(text, {r.right, r.bottom}, FW_NORMAL, dpi),
                    inked(text, {r.right, r.bottom}, FW_BOLD, dpi));
        return 0;
    }
    if (is(3, u"dropped") && named(w, args[2]))
        return SendMessageW(named(w, args[2]), CB_GETDROPPEDSTATE, 0, 0) ? 0 : 1;
    if (is(2, u"agree"))
        return agree(w);
    if (is(4, u"walk"))
        return walkThrough(w, unsigned(std::stoul(check::utf8(args[2]))),
                           std::stoi(check::utf8(args[3])));
    std::printf("usage: probe read | clip TEXT | clipboard | rect NAME | inked NAME | "
                "dropped NAME | agree | walk SEED STEPS\n");
    return 2;
}
