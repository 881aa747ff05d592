// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The toolkit's own texts (context menus and the like) in the user's language, from
// the translations installed with the toolkit.

#include <QLocale>

class QTranslator;

namespace toolkittexts {

// Loads the toolkit's translation for the locale into the translator and installs it;
// false where none is installed, and the texts stay English.
bool install(QTranslator &translator, const QLocale &locale);

} // namespace toolkittexts
