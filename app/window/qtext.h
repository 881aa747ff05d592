// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Texts between the toolkit and the window's logic: both hold UTF-16, so the
// conversions copy code units and nothing else.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace qtext {

inline QString toQt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline std::u16string_view fromQt(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

// The locale's decimal separator, as the logic takes it.
inline std::u16string separatorOf(const QLocale &locale)
{
    return locale.decimalPoint().toStdU16String();
}

} // namespace qtext
