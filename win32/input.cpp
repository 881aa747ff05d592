// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/input.h"

#include "form/keyrule.h"

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <string>

namespace input {

namespace {

constexpr UINT_PTR gateId = 1;

constexpr wchar_t selectAll = 1; // Ctrl+A
constexpr wchar_t copy = 3;      // Ctrl+C

bool takes(const definition::FieldRule &rule, std::u16string_view text)
{
    for (const char16_t c : text)
        if (c == keyrule::backspace || keyrule::onlyMySymbols(c, rule.allowed) == 0)
            return false;
    return true;
}

// The input method's result, taken whole or not at all.
bool takesComposition(HWND edit, const definition::FieldRule &rule)
{
    HIMC context = ImmGetContext(edit);
    if (!context)
        return true;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::u16string result(bytes > 0 ? std::size_t(bytes) / sizeof(wchar_t) : 0, u'\0');
    if (bytes > 0)
        ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), DWORD(bytes));
    const bool taken = takes(rule, result);
    if (!taken)
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
    ImmReleaseContext(edit, context);
    return taken;
}

// The edit fields' own menu, the same in every field and on every Windows: without
// the commands that put characters of Windows' choosing into a field, and without
// Paste where the field takes no pastes.
void showMenu(HWND edit, const definition::FieldRule &rule, LPARAM where)
{
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    const int length = GetWindowTextLengthW(edit);
    const UINT selected = start != end ? MF_ENABLED : MF_GRAYED;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | selected, Cut, L"Вырезать");
    AppendMenuW(menu, MF_STRING | selected, Copy, L"Копировать");
    if (rule.pastes == definition::Pastes::Taken)
        AppendMenuW(
            menu, MF_STRING | (IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED),
            Paste, L"Вставить");
    AppendMenuW(menu, MF_STRING | selected, Delete, L"Удалить");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | (length > 0 ? MF_ENABLED : MF_GRAYED), SelectAll,
                L"Выделить все");
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (where == LPARAM(-1)) { // from the keyboard: at the field
        RECT r;
        GetWindowRect(edit, &r);
        at = {r.left + 2, r.bottom};
    }
    SetFocus(edit);
    const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                            at.x, at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
    case Cut:
        SendMessageW(edit, WM_CUT, 0, 0);
        break;
    case Copy:
        SendMessageW(edit, WM_COPY, 0, 0);
        break;
    case Paste:
        SendMessageW(edit, WM_PASTE, 0, 0);
        break;
    case Delete:
        SendMessageW(edit, WM_CLEAR, 0, 0);
        break;
    case SelectAll:
        SendMessageW(edit, EM_SETSEL, 0, -1);
        break;
    default:
        break;
    }
}

// Shift+Insert pastes, Shift+Delete cuts and Ctrl+Insert copies: the message each
// sends, or 0 for another key.
UINT clipboardKey(WPARAM key)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_INSERT && shift && !control)
        return WM_PASTE;
    if (key == VK_DELETE && shift && !control)
        return WM_CUT;
    if (key == VK_INSERT && control && !shift)
        return WM_COPY;
    return 0;
}

LRESULT CALLBACK gate(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data)
{
    const auto &rule = *reinterpret_cast<const definition::FieldRule *>(data);
    switch (message) {
    case WM_CHAR:
        // Select-all and copy change no text, and work everywhere; every other control
        // character (paste, cut, undo as Ctrl+V, Ctrl+X, Ctrl+Z) is refused with the
        // characters that the field's rule refuses.
        if (w == selectAll) {
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return 0;
        }
        if (w == copy)
            break;
        if (keyrule::onlyMySymbols(char16_t(w), rule.allowed) == 0)
            return 0;
        break;
    case WM_UNICHAR:
        // A character of any plane, from another program or an input tool: the same
        // rule as a typed one. A character beyond the 16-bit range is none that a field
        // takes.
        if (w == UNICODE_NOCHAR)
            return TRUE;
        if (w > 0xFFFF || keyrule::onlyMySymbols(char16_t(w), rule.allowed) == 0)
            return 0;
        return SendMessageW(edit, WM_CHAR, w, l);
    case WM_KEYDOWN:
        // The keys of the clipboard that some edit controls handle inside, without the
        // messages that the gate sees: they send those messages here, so that a paste
        // meets the field's rule on every Windows.
        if (const UINT instead = clipboardKey(w)) {
            SendMessageW(edit, instead, 0, 0);
            return 0;
        }
        break;
    case WM_IME_COMPOSITION:
        if ((l & GCS_RESULTSTR) && !takesComposition(edit, rule))
            return 0;
        break;
    case WM_IME_CHAR:
        // Already taken whole with its composition; each character still passes the rule.
        if (keyrule::onlyMySymbols(char16_t(w), rule.allowed) == 0)
            return 0;
        break;
    case WM_PASTE:
        if (rule.pastes == definition::Pastes::Refused)
            return 0;
        break;
    case WM_UNDO:
    case EM_UNDO:
        return 0;
    case WM_CONTEXTMENU:
        showMenu(edit, rule, l);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, gate, gateId);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, w, l);
}

} // namespace

void guard(HWND field, const definition::FieldRule &rule)
{
    HWND edit = field;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(field, &info) && info.hwndItem)
        edit = info.hwndItem;
    SetWindowSubclass(edit, gate, gateId, reinterpret_cast<DWORD_PTR>(&rule));
    // Every character a field takes is ASCII: an input method has nothing to compose
    // there, and a composition of its own would stand in the field uncalculated.
    ImmAssociateContextEx(edit, nullptr, 0);
}

} // namespace input
