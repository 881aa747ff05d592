// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/toolkittexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace toolkittexts {

bool install(QTranslator &translator, const QLocale &locale)
{
    // Where the toolkit is built into the program (on Windows), its Russian texts are
    // built in as well.
    const QString qtbase = QStringLiteral("qtbase"), separator = QStringLiteral("_");
    if (!translator.load(locale, qtbase, separator,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !translator.load(locale, qtbase, separator, QStringLiteral(":/translations")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

} // namespace toolkittexts
