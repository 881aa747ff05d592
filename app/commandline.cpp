// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/commandline.h"

namespace commandline {

std::optional<QString> answer(const QStringList &arguments, const QLocale &locale)
{
    const bool russian = locale.language() == QLocale::Russian;
    // Only these four words, exactly, are the program's: every other argument belongs
    // to the toolkit (-reverse, -style Fusion, -platform …) or is ignored, and a word
    // of single-dash letters such as -reverse is no bundle of short options.
    bool help = false, version = false;
    for (const QString &argument : arguments.mid(1)) {
        help = help || argument == u"--help" || argument == u"-h";
        version = version || argument == u"--version" || argument == u"-v";
    }

    const QString name = QStringLiteral(ELECTRODE_NAME " " ELECTRODE_VERSION "\n");
    if (help) {
        const QString text =
            russian ? QStringLiteral("Использование: electrode-calc [--help | --version]\n"
                                     "Ориентировочный расчет массы сварочных электродов. Без "
                                     "параметров открывает окно.\n\n"
                                     "  -h, --help     Показать эту справку и выйти.\n"
                                     "  -v, --version  Показать версию и выйти.\n")
                    : QStringLiteral("Usage: electrode-calc [--help | --version]\n"
                                     "Approximate mass of welding electrodes. Without options it "
                                     "opens its window.\n\n"
                                     "  -h, --help     Show this help and exit.\n"
                                     "  -v, --version  Show the version and exit.\n");
        return text;
    }
    if (version)
        return name;
    return std::nullopt;
}

} // namespace commandline
