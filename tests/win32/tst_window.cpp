// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window in Windows' own controls, from inside: the fields' contract and the key
// rule's table that the logic's tests share, the lists' notifications in every order
// Windows sends them, pastes, Enter and Escape, the controls' IDs and tab order, the
// faces and whether every caption fits, and the names screen readers read. Run under
// Wine at each screen density; the groups to run may be named as arguments.

#include "clipboard.h"
#include "core/check.h"
#include "core/contract.h"
#include "core/fakefields.h"
#include "core/keyrows.h"
#include "form/accessibility.h"
#include "form/commandline.h"
#include "win32/console.h"
#include "win32/look.h"
#include "win32/text.h"
#include "win32/window.h"

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <vector>

using form::Field;
using wintext::textOf;

namespace {

void pump()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT)
            continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// A window after Load. It is not shown: its controls work as well hidden, and Wine
// takes a shown window down only after a wait for a window manager.
struct Shown {
    Shown() : w(GetModuleHandleW(nullptr), u",") { pump(); }
    HWND field(std::u16string_view name) const { return w.control(*definition::find(name)); }
    HWND field(Field f) const { return w.control(f); }
    Window w;
};

HWND editOf(HWND field)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(field, &info) && info.hwndItem ? info.hwndItem : field;
}

void contractRows()
{
    for (const contract::Row &row : contract::rows) {
        Shown s;
        const int before = s.w.logic().calculations();
        contract::write(s.w.fields(), row);
        pump();
        check::equal(row.name, "Changes raised", s.w.logic().calculations() - before, 0);
    }
}

// Each character of the shared table, typed (WM_CHAR) and sent as a character of any
// plane (WM_UNICHAR, which some edit controls insert without a WM_CHAR).
void keyRows()
{
    for (const keyrows::Row &row : keyrows::rows) {
        for (const char16_t key : row.typed) {
            for (const UINT message : {UINT(WM_CHAR), UINT(WM_UNICHAR)}) {
                Shown s;
                HWND field = s.field(row.field);
                HWND edit = editOf(field);
                const std::u16string before = textOf(field);
                SendMessageW(edit, EM_SETSEL, before.size(), before.size());
                SendMessageW(edit, message, WPARAM(key), 1);
                pump();
                const std::string what = std::string(message == WM_CHAR ? "" : "WM_UNICHAR ") +
                                         "key " + std::to_string(int(key)) + " changes the text";
                check::equal(row.name, what, textOf(field) != before, row.passes);
                // A deletion in the result empties it whole.
                if (row.field == Field::Текст3 && row.passes)
                    check::equal(row.name, "the result after a deletion", textOf(field), u"");
            }
        }
    }
    Shown s;
    check::equal("WM_UNICHAR", "taken",
                 int(SendMessageW(s.field(Field::Текст2), WM_UNICHAR, UNICODE_NOCHAR, 0)), TRUE);
}

// A pick as Windows tells of it under Wine.
void pickItem(Shown &s, Field list, int index)
{
    HWND combo = s.field(list);
    SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
    for (const int code : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE})
        SendMessageW(s.w.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), code), LPARAM(combo));
    pump();
}

// What leaves a field's text as it was is no edit: selecting all, a write of the same
// text from outside, a paste of the same text. Nothing is calculated or reset.
void unchanged()
{
    struct Row {
        const char *name;
        Field field;
        std::function<void(HWND edit)> act;
    };
    const auto selectAll = [](HWND edit) { SendMessageW(edit, WM_CHAR, 1, 1); };
    const auto sameText = [](HWND edit) {
        SetWindowTextW(edit, wintext::wide(textOf(edit)).c_str());
    };
    const auto samePaste = [](HWND edit) {
        clipboard::put(nullptr, textOf(edit));
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_PASTE, 0, 0);
    };
    const Row rows[]{
        {"Ctrl+A in the result", Field::Текст3, selectAll},
        {"the result written with its own text", Field::Текст3, sameText},
        {"Ctrl+A in the area", Field::Комбо5, selectAll},
        {"the area written with its own text", Field::Комбо5, sameText},
        {"the area pasted over with its own text", Field::Комбо5, samePaste},
        {"the length written with its own text", Field::Текст2, sameText},
    };
    for (const Row &row : rows) {
        Shown s;
        // A brand picked after the area, the result deleted: what an edit would undo.
        pickItem(s, Field::Комбо6, 0);
        std::array<std::u16string, form::fieldCount> before;
        for (std::size_t f = 0; f < form::fieldCount; ++f)
            before[f] = textOf(s.field(Field(f)));
        const int calculations = s.w.logic().calculations();
        row.act(editOf(s.field(row.field)));
        pump();
        for (std::size_t f = 0; f < form::fieldCount; ++f)
            check::equal(row.name, check::utf8(form::nameOf(Field(f))), textOf(s.field(Field(f))),
                         before[f]);
        check::equal(row.name, "calculations", s.w.logic().calculations() - calculations, 0);
    }
    // Ctrl+A, then Ctrl+C, copies the whole result.
    Shown s;
    HWND result = s.field(Field::Текст3);
    SendMessageW(result, WM_CHAR, 1, 1);
    SendMessageW(result, WM_CHAR, 3, 1);
    pump();
    check::equal("Ctrl+A, Ctrl+C in the result", "the clipboard", clipboard::text(), u"0,226");
}

// The keys of the clipboard, as the edit control would take them inside: Shift+Insert
// pastes where the field takes pastes, Shift+Delete cuts, Ctrl+Insert copies.
void clipboardKeys()
{
    struct Row {
        const char *name;
        Field field;
        BYTE modifier;
        WPARAM key;
        std::u16string_view clipboardBefore;
        std::u16string_view text;
        std::u16string_view clipboardAfter;
        std::u16string_view result;
    };
    const Row rows[]{
        {"Shift+Insert in the result: refused", Field::Текст3, VK_SHIFT, VK_INSERT, u"5", u"0,226",
         u"5", u"0,226"},
        {"Shift+Insert in the length: pasted", Field::Текст2, VK_SHIFT, VK_INSERT, u"2000", u"2000",
         u"2000", u"0,452"},
        {"Shift+Delete in the length: cut", Field::Текст2, VK_SHIFT, VK_DELETE, u"x", u"", u"1000",
         u""},
        {"Ctrl+Insert in the result: copied", Field::Текст3, VK_CONTROL, VK_INSERT, u"x", u"0,226",
         u"0,226", u"0,226"},
    };
    for (const Row &row : rows) {
        Shown s;
        clipboard::put(nullptr, row.clipboardBefore);
        HWND edit = editOf(s.field(row.field));
        SendMessageW(edit, EM_SETSEL, 0, -1);
        BYTE keys[256]{};
        keys[row.modifier] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(edit, WM_KEYDOWN, row.key, 1);
        keys[row.modifier] = 0;
        SetKeyboardState(keys);
        pump();
        check::equal(row.name, "the field", textOf(s.field(row.field)), row.text);
        check::equal(row.name, "the clipboard", clipboard::text(), row.clipboardAfter);
        check::equal(row.name, "the result", textOf(s.field(Field::Текст3)), row.result);
    }
}

// The window's private message after a pick comes from anyone who may post to it: one
// that names no list changes nothing.
void privateMessage()
{
    for (const WPARAM w : {WPARAM(form::listCount), WPARAM(0x7FFFFFFF), WPARAM(-1)}) {
        Shown s;
        std::array<std::u16string, form::fieldCount> before;
        for (std::size_t f = 0; f < form::fieldCount; ++f)
            before[f] = textOf(s.field(Field(f)));
        PostMessageW(s.w.hwnd(), Picks::afterPick, w, 0);
        pump();
        const std::string name = "after-pick message with " + std::to_string(w);
        for (std::size_t f = 0; f < form::fieldCount; ++f)
            check::equal(name, check::utf8(form::nameOf(Field(f))), textOf(s.field(Field(f))),
                         before[f]);
    }
}

// A pick of Н2 in the joint list, told by the notifications in the row's order: one
// pick, whose fields are those of the same pick in the logic alone.
void picks()
{
    struct Row {
        const char *name;
        std::vector<int> notifications;
        bool selects;
        int calculations;
        std::u16string_view text;
    };
    const Row rows[]{
        {"mouse under Wine: SELENDOK, CLOSEUP, SELCHANGE",
         {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE},
         true,
         1,
         u"Н2"},
        {"mouse: SELCHANGE, SELENDOK, CLOSEUP",
         {CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP},
         true,
         1,
         u"Н2"},
        {"arrow key on a closed list: SELCHANGE alone", {CBN_SELCHANGE}, true, 1, u"Н2"},
        {"confirmed alone: SELENDOK", {CBN_SELENDOK}, true, 1, u"Н2"},
        {"cancelled: SELENDCANCEL, CLOSEUP", {CBN_SELENDCANCEL, CBN_CLOSEUP}, false, 0, u"Н1"},
    };
    for (const Row &row : rows) {
        Shown s;
        HWND list = s.field(Field::Комбо2);
        const int before = s.w.logic().calculations();
        if (row.selects)
            SendMessageW(list, CB_SETCURSEL, 1, 0);
        for (const int code : row.notifications)
            SendMessageW(s.w.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
                         LPARAM(list));
        pump();
        check::equal(row.name, "calculations", s.w.logic().calculations() - before,
                     row.calculations);
        check::equal(row.name, "the list's text", textOf(list), row.text);
        // The same pick in the logic alone.
        FakeFields twin;
        form::Форма1 logic(twin, u",");
        logic.Load();
        if (row.selects)
            logic.picked(Field::Комбо2, u"Н2");
        for (std::size_t f = 0; f < form::fieldCount; ++f)
            check::equal(row.name, check::utf8(form::nameOf(Field(f))), textOf(s.field(Field(f))),
                         twin.text(Field(f)));
    }
}

void pastes()
{
    struct Row {
        const char *name;
        Field field;
        std::u16string_view pasted;
        bool taken;
        std::u16string_view result;
    };
    const Row rows[]{
        {"length: a number", Field::Текст2, u"2000", true, u"0,452"},
        {"length: a sign, taken, and no mass", Field::Текст2, u"-1000", true, u""},
        {"list: a brand of another coefficient", Field::Комбо6, u"АНО-1", true, u"0,212"},
        {"result: refused", Field::Текст3, u"5", false, u"0,226"},
    };
    for (const Row &row : rows) {
        Shown s;
        if (!check::equal(row.name, "clipboard taken", clipboard::put(s.w.hwnd(), row.pasted),
                          true))
            continue;
        HWND field = s.field(row.field);
        const std::u16string before = textOf(field);
        SendMessageW(editOf(field), EM_SETSEL, 0, -1);
        SendMessageW(editOf(field), WM_PASTE, 0, 0);
        pump();
        check::equal(row.name, "the field", textOf(field),
                     row.taken ? std::u16string(row.pasted) : before);
        check::equal(row.name, "the result", textOf(s.field(Field::Текст3)), row.result);
    }
}

// Enter presses the exit button where it has the focus, as Space does; Escape and
// Ctrl+Enter do nothing, and neither does Enter elsewhere.
void enterAndEscape()
{
    struct Row {
        const char *name;
        std::u16string_view focus;
        WPARAM command;
        bool ends;
    };
    const Row rows[]{
        {"Enter on the exit button", u"Комманда1", IDOK, true},
        {"Escape on the exit button", u"Комманда1", IDCANCEL, false},
        {"Enter in the length", u"Текст2", IDOK, false},
        {"Escape in a list", u"Комбо1", IDCANCEL, false},
    };
    for (const Row &row : rows) {
        Shown s;
        SetFocus(s.field(row.focus));
        SendMessageW(s.w.hwnd(), WM_COMMAND, row.command, 0);
        pump();
        check::equal(row.name, "the window ended", s.w.hwnd() == nullptr, row.ends);
    }
}

void identity()
{
    Shown s;
    HWND window = s.w.hwnd();
    for (std::size_t row = 0; row < controls::count; ++row) {
        const std::string name = check::utf8(definition::controls[row].name);
        check::equal(name, "ID", GetDlgCtrlID(s.w.control(row)), int(101 + row));
        check::equal(name, "accepts files",
                     bool(GetWindowLongPtrW(s.w.control(row), GWL_EXSTYLE) & WS_EX_ACCEPTFILES),
                     false);
    }
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    check::equal("window", "maximize box or sizing border",
                 bool(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)), false);
    check::equal("window", "minimize box", bool(style & WS_MINIMIZEBOX), true);
    check::equal("window", "title", textOf(window), u"Орвела");
    RECT client;
    GetClientRect(window, &client);
    const int dpi = s.w.dpi();
    check::equal("window", "client width", int(client.right),
                 controls::scaled(definition::formWidth, dpi));
    check::equal("window", "client height", int(client.bottom),
                 controls::scaled(definition::formHeight, dpi));

    // Tab goes through the shown fields, the picture and the button in the defined order.
    std::vector<std::size_t> expected;
    for (std::size_t row = 0; row < controls::count; ++row) {
        const definition::Control &c = definition::controls[row];
        if (definition::isShown(c) && c.tabIndex != definition::noTabStop &&
            c.kind != definition::Kind::Label && c.kind != definition::Kind::Frame)
            expected.push_back(row);
    }
    std::sort(expected.begin(), expected.end(), [](std::size_t a, std::size_t b) {
        return definition::controls[a].tabIndex < definition::controls[b].tabIndex;
    });
    HWND at = s.w.control(expected.front());
    for (std::size_t i = 1; i <= expected.size(); ++i) {
        at = GetNextDlgTabItem(window, at, FALSE);
        const std::size_t want = expected[i % expected.size()];
        check::equal("tab " + std::to_string(i), "control",
                     check::utf8(definition::controls[std::size_t(GetDlgCtrlID(at) - 101)].name),
                     check::utf8(definition::controls[want].name));
    }
}

// The extent of `text` in `control`'s face, wrapped in `width` where it wraps.
SIZE extent(HWND control, std::u16string_view text, int width, bool wraps)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextW(dc, reinterpret_cast<const wchar_t *>(text.data()), int(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

void captionsFit()
{
    Shown s;
    const int dpi = s.w.dpi();
    for (std::size_t row = 0; row < controls::count; ++row) {
        const definition::Control &c = definition::controls[row];
        HWND control = s.w.control(row);
        RECT box;
        GetClientRect(control, &box);
        // A caption's words fit whole; the leader dots after them fill what is left.
        std::u16string caption = textOf(control);
        while (c.kind == definition::Kind::Label && !caption.empty() &&
               (caption.back() == u'.' || caption.back() == u' '))
            caption.pop_back();
        std::vector<std::u16string> texts{caption};
        if (c.kind == definition::Kind::Combo) {
            control = editOf(control);
            GetClientRect(control, &box);
            const int items = int(SendMessageW(s.w.control(row), CB_GETCOUNT, 0, 0));
            for (int i = 0; i < items; ++i)
                texts.push_back(Win32Fields::itemOf(s.w.control(row), i));
        } else if (c.kind != definition::Kind::Label && c.kind != definition::Kind::Text) {
            continue;
        }
        const std::string name = check::utf8(c.name) + " at " + std::to_string(dpi) + " dpi";
        for (const std::u16string &text : texts) {
            const SIZE size = extent(control, text, box.right, definition::wrapsText(c));
            const std::string what = check::utf8(text);
            const std::string sizes = " (" + std::to_string(size.cx) + "x" +
                                      std::to_string(size.cy) + " in " + std::to_string(box.right) +
                                      "x" + std::to_string(box.bottom) + ")";
            check::equal(name, what + " fits across" + sizes, size.cx <= box.right, true);
            check::equal(name, what + " fits down" + sizes, size.cy <= box.bottom, true);
        }
    }
    // The defined face where Windows has it at this size, else its outline twin; bold,
    // Cyrillic.
    HDC screen = GetDC(nullptr);
    for (const std::u16string_view name : {u"Метка1", u"Метка6"}) {
        HFONT font = HFONT(SendMessageW(s.field(name), WM_GETFONT, 0, 0));
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        HGDIOBJ old = SelectObject(screen, font);
        wchar_t drawn[LF_FACESIZE]{};
        GetTextFaceW(screen, LF_FACESIZE, drawn);
        SelectObject(screen, old);
        const std::u16string asked = wintext::fromWide(lf.lfFaceName, wcslen(lf.lfFaceName));
        const std::string row = check::utf8(name) + " at " + std::to_string(dpi) + " dpi";
        std::printf("%s: %s, drawn in %s\n", row.c_str(), check::utf8(asked).c_str(),
                    check::utf8(wintext::fromWide(drawn, wcslen(drawn))).c_str());
        check::equal(row, "face", asked,
                     wintext::fromWide(look::faceFor(-lf.lfHeight).c_str(),
                                       look::faceFor(-lf.lfHeight).size()));
        check::equal(row, "bold", int(lf.lfWeight), FW_BOLD);
        check::equal(row, "character set", int(lf.lfCharSet), RUSSIAN_CHARSET);
    }
    ReleaseDC(nullptr, screen);
}

// The name a screen reader reads for a control, through Windows' own accessibility.
std::u16string accessibleName(HWND control)
{
    using FromWindow = HRESULT(WINAPI *)(HWND, DWORD, REFIID, void **);
    static HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    static auto fromWindow = oleacc ? reinterpret_cast<FromWindow>(reinterpret_cast<void *>(
                                          GetProcAddress(oleacc, "AccessibleObjectFromWindow")))
                                    : nullptr;
    IAccessible *object = nullptr;
    if (!fromWindow || FAILED(fromWindow(control, DWORD(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void **>(&object))))
        return u"(no accessible object)";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::u16string out = u"(no name)";
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        out = wintext::fromWide(name, SysStringLen(name));
        SysFreeString(name);
    }
    object->Release();
    return out;
}

void screenReaders()
{
    Shown s;
    s.w.nameForScreenReaders();
    // Without the names set, Windows names the result after the caption before it in the
    // tab order: the title.
    const std::u16string unnamed = accessibleName(s.field(Field::Текст3));
    if (unnamed == definition::controls[definition::at(definition::Role::Title)].text) {
        // Wine's IAccPropServices takes the names but keeps none of them (a stub).
        std::printf("SKIP: screen readers: this Windows does not read the names set through "
                    "IAccPropServices (the result is named \"%s\")\n",
                    check::utf8(unnamed).c_str());
        return;
    }
    // Every control by the name the logic gives it, the value box and the picture with
    // what they show.
    for (std::size_t row = 0; row < controls::count; ++row) {
        const bool picture = definition::controls[row].role == definition::Role::Picture;
        const std::u16string name =
            accessibility::nameShowing(row, picture ? u"Н1" : textOf(s.w.control(row)));
        if (!name.empty())
            check::equal(check::utf8(definition::controls[row].name), "accessible name",
                         accessibleName(s.w.control(row)), name);
    }
}

// The size of an icon the window carries.
int iconSize(HWND window, WPARAM which)
{
    auto icon = HICON(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP b{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof b, &b);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return b.bmWidth;
}

// Another monitor's density: the window takes the rectangle Windows suggests, size and
// all, and icons of the size of that density; then back. Made at the screen's density,
// the window is wholly inside the part of the screen no task bar covers.
void density()
{
    Shown s;
    HWND window = s.w.hwnd();
    const int dpi = s.w.dpi();
    const std::string at = " at " + std::to_string(dpi) + " dpi";
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT made;
    GetWindowRect(window, &made);
    const RECT &work = monitor.rcWork;
    check::equal("made" + at, "inside the work area",
                 made.left >= work.left && made.top >= work.top && made.right <= work.right &&
                     made.bottom <= work.bottom,
                 true);
    check::equal("made" + at, "large icon", iconSize(window, ICON_BIG),
                 GetSystemMetrics(SM_CXICON));
    check::equal("made" + at, "small icon", iconSize(window, ICON_SMALL),
                 GetSystemMetrics(SM_CXSMICON));
    const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    // Another density that fits the screen, then back.
    for (const int other : {dpi >= 144 ? dpi * 2 / 3 : dpi * 3 / 2, dpi}) {
        RECT suggested{made.left + 7, made.top + 5, 0, 0};
        RECT client{0, 0, controls::scaled(definition::formWidth, other),
                    controls::scaled(definition::formHeight, other)};
        AdjustWindowRectEx(&client, DWORD(GetWindowLongPtrW(window, GWL_STYLE)), FALSE, 0);
        suggested.right = suggested.left + (client.right - client.left) + 3;
        suggested.bottom = suggested.top + (client.bottom - client.top) + 2;
        SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(other, other),
                     LPARAM(&suggested));
        pump();
        RECT now;
        GetWindowRect(window, &now);
        const std::string row = "moved to " + std::to_string(other) + " dpi" + at;
        check::equal(row, "window rectangle",
                     std::to_string(now.left) + "," + std::to_string(now.top) + " " +
                         std::to_string(now.right - now.left) + "x" +
                         std::to_string(now.bottom - now.top),
                     std::to_string(suggested.left) + "," + std::to_string(suggested.top) + " " +
                         std::to_string(suggested.right - suggested.left) + "x" +
                         std::to_string(suggested.bottom - suggested.top));
        check::equal(row, "faces", s.w.look().dpi(), other);
        RECT box;
        GetWindowRect(s.field(Field::Текст2), &box);
        check::equal(row, "length box width", int(box.right - box.left),
                     controls::scaled(1575, other));
    }
    check::equal("back" + at, "user objects",
                 int(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)), int(objects));

    struct Row {
        const char *name;
        RECT window;
        POINT expected;
    };
    const RECT screen{0, 0, 1366, 728}; // 1366 x 768, a task bar of 40 below
    const Row rows[]{
        {"inside", {100, 100, 660, 620}, {100, 100}},
        {"under the task bar", {26, 26, 586, 750}, {26, 4}},
        {"off the right edge", {900, 30, 1460, 550}, {806, 30}},
        {"off the top left", {-50, -20, 510, 500}, {0, 0}},
        {"larger than the screen", {30, 30, 1530, 930}, {0, 0}},
    };
    for (const Row &row : rows) {
        const POINT got = Window::placed(row.window, screen);
        check::equal(row.name, "placed at", std::to_string(got.x) + "," + std::to_string(got.y),
                     std::to_string(row.expected.x) + "," + std::to_string(row.expected.y));
    }
}

// The colours a control is drawn in, as the window answers WM_CTLCOLOR….
std::pair<COLORREF, COLORREF> drawnColours(HWND window, HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(window, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(control));
    const std::pair<COLORREF, COLORREF> colours{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

std::string hex(COLORREF c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// Under high contrast every text and background is the system's, boxes in the window
// colours and the rest in the dialog colours; otherwise the defined ones, and the
// system's text colour where none is defined.
void contrast()
{
    for (std::size_t row = 0; row < controls::count; ++row) {
        const std::string name = check::utf8(definition::controls[row].name);
        const look::ControlPaint high = look::paintOf(row, definition::loadedBackground, true);
        check::equal(name, "high contrast: system text", high.text.system >= 0, true);
        check::equal(name, "high contrast: system background", high.background.system >= 0, true);
        const look::ControlPaint plain = look::paintOf(row, definition::loadedBackground, false);
        bool defined = false;
        for (const definition::ControlColour &cc : definition::controlColours)
            defined = defined || (cc.row == row && cc.part == definition::Part::Text);
        check::equal(name, "defined text colour", plain.text.system < 0, defined);
    }

    // The system's colours changed: the window draws in the new ones at once.
    Shown s;
    HWND caption = s.w.control(definition::at(u"Метка1", definition::Kind::Label));
    const int which[]{COLOR_WINDOWTEXT};
    const COLORREF was[]{GetSysColor(COLOR_WINDOWTEXT)};
    const COLORREF green[]{RGB(0, 128, 0)};
    SetSysColors(1, which, green);
    pump();
    check::equal("Метка1 after SetSysColors", "text", hex(drawnColours(s.w.hwnd(), caption).first),
                 hex(green[0]));
    SetSysColors(1, which, was);
    pump();

    // A dark high-contrast scheme, as the user's colours: the window's light backgrounds
    // give way to the system's, with its text, and come back with the colours before.
    const int indices[]{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    COLORREF before[std::size(indices)];
    for (std::size_t i = 0; i < std::size(indices); ++i)
        before[i] = GetSysColor(indices[i]);
    const COLORREF dark[]{RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 0)};
    SetSysColors(int(std::size(indices)), indices, dark);
    pump();
    for (const std::u16string_view name : {u"Метка9", u"Метка1", u"Метка5", u"Текст3"}) {
        const auto [text, background] = drawnColours(s.w.hwnd(), s.field(name));
        const bool box = name == u"Текст3";
        const std::string row = "a dark scheme: " + check::utf8(name);
        check::equal(row, "text", hex(text), hex(box ? dark[1] : dark[3]));
        check::equal(row, "background", hex(background), hex(box ? dark[0] : dark[2]));
    }
    SetSysColors(int(std::size(indices)), indices, before);
    pump();
    const auto back = drawnColours(s.w.hwnd(), s.field(u"Метка9"));
    check::equal("the colours back: Метка9", "text", hex(back.first),
                 hex(look::colourOf(definition::areaCaption)));
    check::equal("the colours back: Метка9", "background", hex(back.second),
                 hex(look::colourOf(definition::frameBackground)));

    HIGHCONTRASTW on{};
    on.cbSize = sizeof on;
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof on, &on, 0);
    const HIGHCONTRASTW off = on;
    on.dwFlags |= HCF_HIGHCONTRASTON;
    if (!SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof on, &on, SPIF_SENDCHANGE)) {
        std::printf("SKIP: high contrast turned on: this Windows cannot turn it on "
                    "(SPI_SETHIGHCONTRAST fails with %lu)\n",
                    GetLastError());
        return;
    }
    pump();
    for (const std::u16string_view name : {u"Метка9", u"Метка1", u"Метка5", u"Текст3"}) {
        const auto [text, background] = drawnColours(s.w.hwnd(), s.field(name));
        const bool box = name == u"Текст3";
        const std::string row = "high contrast: " + check::utf8(name);
        check::equal(row, "text", hex(text),
                     hex(GetSysColor(box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)));
        check::equal(row, "background", hex(background),
                     hex(GetSysColor(box ? COLOR_WINDOW : COLOR_BTNFACE)));
    }
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof off, const_cast<HIGHCONTRASTW *>(&off),
                          SPIF_SENDCHANGE);
    pump();
}

// A window that could not be opened is told of in a message box too: a program started
// from the desktop has no console to print to.
DWORD WINAPI reportNotOpened(void *)
{
    console::report(commandline::windowNotOpened(true));
    return 0;
}

void failure()
{
    HANDLE reporter = CreateThread(nullptr, 0, reportNotOpened, nullptr, 0, nullptr);
    const std::wstring title = wintext::wide(definition::formTitle);
    HWND box = nullptr;
    for (int tries = 0; tries < 600 && !box; ++tries) {
        box = FindWindowW(L"#32770", title.c_str());
        if (!box)
            Sleep(50);
    }
    std::u16string said = u"(no message box)";
    if (box) {
        wchar_t text[256]{};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        said = wintext::fromWide(text, wcslen(text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    WaitForSingleObject(reporter, 30000);
    CloseHandle(reporter);
    check::equal("a window not opened", "the message box says", said,
                 u"Окно программы открыть не удалось.");
}

} // namespace

int main(int argc, char **argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::pair<const char *, std::function<void()>> groups[]{
        {"contract", contractRows},   {"keys", keyRows},           {"picks", picks},
        {"pastes", pastes},           {"enter", enterAndEscape},   {"identity", identity},
        {"captions", captionsFit},    {"names", screenReaders},    {"unchanged", unchanged},
        {"clipboard", clipboardKeys}, {"private", privateMessage}, {"density", density},
        {"contrast", contrast},       {"failure", failure},
    };
    for (const auto &[name, run] : groups) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], name) == 0;
        if (wanted)
            run();
    }
    return check::verdict();
}
