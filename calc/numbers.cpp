#include "calc/numbers.h"

#include <cmath>

namespace numbers {

QLocale fieldLocale(const QLocale &base)
{
    QLocale locale = base;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString fromInt(int value, const QLocale &locale)
{
    return fieldLocale(locale).toString(value);
}

QString fromDouble(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // folds -0 into 0
    return fieldLocale(locale).toString(value, 'g', 15);
}

std::optional<double> toDouble(QStringView text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = fieldLocale(locale).toDouble(text, &ok);
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
