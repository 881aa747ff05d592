// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "form/commandline.h"

namespace commandline {

std::optional<std::u16string> answer(std::span<const std::u16string_view> arguments, bool russian,
                                     std::u16string_view version)
{
    // Only these four words, exactly, are the program's: every other argument belongs
    // to the toolkit (-reverse, -style Fusion, -platform …) or is ignored, and a word
    // of single-dash letters such as -reverse is no bundle of short options.
    bool help = false, wantsVersion = false;
    for (const std::u16string_view argument : arguments) {
        help = help || argument == u"--help" || argument == u"-h";
        wantsVersion = wantsVersion || argument == u"--version" || argument == u"-v";
    }
    if (help)
        return russian
                   ? std::u16string(u"Использование: electrode-calc [--help | --version]\n"
                                    u"Ориентировочный расчет массы сварочных электродов. Без "
                                    u"параметров открывает окно.\n\n"
                                    u"  -h, --help     Показать эту справку и выйти.\n"
                                    u"  -v, --version  Показать версию и выйти.\n")
                   : std::u16string(u"Usage: electrode-calc [--help | --version]\n"
                                    u"Approximate mass of welding electrodes. Without options it "
                                    u"opens its window.\n\n"
                                    u"  -h, --help     Show this help and exit.\n"
                                    u"  -v, --version  Show the version and exit.\n");
    if (wantsVersion)
        return u"electrode-calc " + std::u16string(version) + u"\n";
    return std::nullopt;
}

} // namespace commandline
