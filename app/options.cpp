// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/options.h"

#include "app/window/qtext.h"
#include "form/commandline.h"

#include <vector>

namespace options {

std::optional<QString> answer(const QStringList &arguments, const QLocale &locale)
{
    std::vector<std::u16string> words;
    for (const QString &argument : arguments.mid(1))
        words.push_back(argument.toStdU16String());
    const std::vector<std::u16string_view> views(words.begin(), words.end());
    const auto text =
        commandline::answer(views, locale.language() == QLocale::Russian, u"" ELECTRODE_VERSION);
    if (!text)
        return std::nullopt;
    return qtext::toQt(*text);
}

} // namespace options
