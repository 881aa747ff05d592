// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Puts a text on Windows' clipboard, for the tests that paste it, and reads it back.

#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

namespace clipboard {

// `owner`: the window that owns the clipboard's contents, or none.
inline bool put(HWND owner, std::u16string_view text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto *copy = static_cast<char16_t *>(GlobalLock(memory));
    std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
    copy[text.size()] = 0;
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    return true;
}

// The clipboard's text, or "(no text)".
inline std::u16string text()
{
    std::u16string out = u"(no text)";
    if (!OpenClipboard(nullptr))
        return out;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *held = static_cast<const char16_t *>(GlobalLock(memory))) {
            out = held;
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return out;
}

} // namespace clipboard
