// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The program's start on Windows: its options, the user's decimal separator, the
// window and its message loop, which also moves the focus with Tab as a dialog does.

#include "form/commandline.h"
#include "win32/accessibility.h"
#include "win32/console.h"
#include "win32/text.h"
#include "win32/window.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <vector>

namespace {

bool russian()
{
    return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_RUSSIAN;
}

std::optional<std::u16string> answerToOptions()
{
    int count = 0;
    LPWSTR *arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> words;
    for (int i = 1; i < count; ++i)
        words.push_back(wintext::fromWide(arguments[i], wcslen(arguments[i])));
    LocalFree(arguments);
    const std::vector<std::u16string_view> views(words.begin(), words.end());
    return commandline::answer(views, russian(), u"" ELECTRODE_VERSION);
}

// The user's decimal separator, as Windows' regional settings have it: up to three
// characters.
std::u16string separator()
{
    wchar_t text[8]{};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
    if (length <= 1)
        return u",";
    return wintext::fromWide(text, std::size_t(length - 1));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    if (const auto text = answerToOptions()) {
        console::print(*text);
        return 0;
    }
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MSG message{};
    {
        Window window(instance, separator());
        if (!window.handle()) {
            console::print(commandline::windowNotOpened(russian()));
            return 1;
        }
        window.show(show);
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (window.handle() && IsDialogMessageW(window.handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    winaccessibility::release();
    if (SUCCEEDED(com))
        CoUninitialize();
    return int(message.wParam);
}
