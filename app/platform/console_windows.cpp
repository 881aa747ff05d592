// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/console.h"

#include <windows.h>

namespace console {

// A GUI program has no console: a redirected output is written as UTF-8, a console
// it was started from gets the text as UTF-16, so that Cyrillic shows in any code page.
void print(const QString &text)
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
        const std::wstring wide = text.toStdWString();
        WriteConsoleW(out, wide.data(), DWORD(wide.size()), &written, nullptr);
    } else {
        const QByteArray utf8 = text.toUtf8();
        WriteFile(out, utf8.constData(), DWORD(utf8.size()), &written, nullptr);
    }
}

} // namespace console
