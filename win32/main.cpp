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

#include <cstdlib>

#include <vector>

namespace {

bool russian()
{
    return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_RUSSIAN;
}

std::optional<std::u16string> answerToOptions()
{
    // As the C run time split the command line: no library is loaded for that alone.
    std::vector<std::u16string> words;
    for (int i = 1; i < __argc; ++i)
        words.push_back(wintext::fromWide(__wargv[i], wcslen(__wargv[i])));
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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MSG message{};
    {
        Window window(instance, separator());
        if (!window.hwnd()) {
            console::report(commandline::windowNotOpened(russian()));
            return 1;
        }
        window.show(show);
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (window.hwnd() && IsDialogMessageW(window.hwnd(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    winaccessibility::release();
    return int(message.wParam);
}
