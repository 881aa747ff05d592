// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/commandline.h"

#include <QCommandLineParser>

namespace commandline {

std::optional<QString> answer(const QStringList &arguments, const QLocale &locale)
{
    const bool russian = locale.language() == QLocale::Russian;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  russian ? QStringLiteral("Показать эту справку и выйти.")
                                          : QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     russian ? QStringLiteral("Показать версию и выйти.")
                                             : QStringLiteral("Show the version and exit."));
    QCommandLineParser parser;
    parser.addOption(help);
    parser.addOption(version);
    // Unknown arguments are no error: the window opens as always.
    (void)parser.parse(arguments);

    const QString name = QStringLiteral(ELECTRODE_NAME " " ELECTRODE_VERSION "\n");
    if (parser.isSet(help)) {
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
    if (parser.isSet(version))
        return name;
    return std::nullopt;
}

} // namespace commandline
