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
#include "win32/look.h"
#include "win32/text.h"
#include "win32/window.h"

#include <oleacc.h>

#include <algorithm>
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
    HWND field(std::u16string_view name) const { return w.control(controls::rowOf(name)); }
    HWND field(Field f) const { return w.control(controls::rowOf(f)); }
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

void keyRows()
{
    for (const keyrows::Row &row : keyrows::rows) {
        for (const char16_t key : row.typed) {
            Shown s;
            HWND field = s.field(row.field);
            HWND edit = editOf(field);
            const std::u16string before = textOf(field);
            SendMessageW(edit, EM_SETSEL, before.size(), before.size());
            SendMessageW(edit, WM_CHAR, WPARAM(key), 1);
            pump();
            const std::string what = "key " + std::to_string(int(key)) + " changes the text";
            check::equal(row.name, what, textOf(field) != before, row.passes);
            // A deletion in the result empties it whole.
            if (row.field == u"Текст3" && row.passes)
                check::equal(row.name, "the result after a deletion", textOf(field), u"");
        }
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
            SendMessageW(s.w.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
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
        if (!check::equal(row.name, "clipboard taken", clipboard::put(s.w.handle(), row.pasted),
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
        SendMessageW(s.w.handle(), WM_COMMAND, row.command, 0);
        pump();
        check::equal(row.name, "the window ended", s.w.handle() == nullptr, row.ends);
    }
}

void identity()
{
    Shown s;
    HWND window = s.w.handle();
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
    // Without the names set, Windows names the result after the caption before it in the
    // tab order: the title.
    const std::u16string unnamed = accessibleName(s.field(Field::Текст3));
    if (unnamed == definition::controls[controls::rowOf(u"Метка6")].text) {
        // Wine's IAccPropServices takes the names but keeps none of them (a stub).
        std::printf("SKIP: screen readers: this Windows does not read the names set through "
                    "IAccPropServices (the result is named \"%s\")\n",
                    check::utf8(unnamed).c_str());
        return;
    }
    for (const definition::Caption &pair : definition::captions) {
        const std::u16string name = accessibility::nameFromCaption(
            definition::controls[controls::rowOf(pair.caption)].text);
        check::equal(check::utf8(pair.field), "accessible name",
                     accessibleName(s.field(pair.field)), name);
    }
    check::equal("Рисунок1", "accessible name", accessibleName(s.field(u"Рисунок1")),
                 accessibility::pictureName);
}

} // namespace

int main(int argc, char **argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::pair<const char *, std::function<void()>> groups[]{
        {"contract", contractRows}, {"keys", keyRows},         {"picks", picks},
        {"pastes", pastes},         {"enter", enterAndEscape}, {"identity", identity},
        {"captions", captionsFit},  {"names", screenReaders},
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
