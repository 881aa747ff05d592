// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Windows' wide strings are UTF-16, as the core's texts are: the two are the same
// code units under other names.

#include <windows.h>

#include <string>
#include <string_view>

namespace wintext {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring wide(std::u16string_view text)
{
    return std::wstring(reinterpret_cast<const wchar_t *>(text.data()), text.size());
}

inline std::u16string fromWide(const wchar_t *text, std::size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text), length);
}

// A window's text, whole.
inline std::u16string textOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring buffer(std::size_t(length) + 1, L'\0');
    const int got = GetWindowTextW(window, buffer.data(), length + 1);
    return fromWide(buffer.data(), std::size_t(got > 0 ? got : 0));
}

inline void setTextOf(HWND window, std::u16string_view text)
{
    SetWindowTextW(window, wide(text).c_str());
}

} // namespace wintext
