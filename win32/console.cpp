// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/console.h"

#include "form/definition.h"

#include <windows.h>

#include <string>

namespace console {

void print(std::u16string_view text)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        out = GetStdHandle(STD_OUTPUT_HANDLE);
        if (out == nullptr || out == INVALID_HANDLE_VALUE)
            out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    }
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.data(), DWORD(text.size()), &written, nullptr);
        return;
    }
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t *>(text.data()),
                            int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t *>(text.data()),
                        int(text.size()), utf8.data(), bytes, nullptr, nullptr);
    WriteFile(out, utf8.data(), DWORD(utf8.size()), &written, nullptr);
}

void report(std::u16string_view text)
{
    print(text);
    std::wstring shown = std::wstring(reinterpret_cast<const wchar_t *>(text.data()), text.size());
    while (!shown.empty() && shown.back() == L'\n')
        shown.pop_back();
    const std::wstring title(reinterpret_cast<const wchar_t *>(definition::formTitle.data()),
                             definition::formTitle.size());
    MessageBoxW(nullptr, shown.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

} // namespace console
