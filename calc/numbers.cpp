// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "calc/numbers.h"

#include <cmath>

namespace numbers {

namespace {

// The digits, signs and exponent of every field text are ASCII in every locale: they
// are written and read by the C locale, and only the decimal separator is the user's.
QLocale asciiLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

} // namespace

QString fromInt(int value, const QLocale &)
{
    return QString::number(value);
}

QString fromDouble(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // folds -0 into 0
    QString text = asciiLocale().toString(value, 'g', 15);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

std::optional<double> toDouble(QStringView text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;
    // Only the user's separator is a decimal separator; a point where the user writes
    // a comma is no number, as a comma is none where the user writes a point.
    const QString separator = locale.decimalPoint();
    QString ascii = text.toString();
    if (separator != QStringLiteral(".")) {
        if (ascii.contains(u'.'))
            return std::nullopt;
        ascii.replace(separator, QStringLiteral("."));
    }
    bool ok = false;
    const double value = asciiLocale().toDouble(ascii, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> coefficientToDouble(QStringView text, const QLocale &locale)
{
    if (auto value = toDouble(text, locale))
        return value;
    if (!text.contains(u',') || locale.decimalPoint() == QStringLiteral(","))
        return std::nullopt;
    QString withPoint = text.toString();
    withPoint.replace(u',', u'.');
    return toDouble(withPoint, QLocale::c());
}

} // namespace numbers
