#pragma once
// Conversions between numbers and field texts, by the user's locale.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace numbers {

// The locale used for every field text: the user's, without group separators.
QLocale fieldLocale(const QLocale &base = QLocale::system());

// Integer to text: decimal digits, no grouping ("5", "1000").
QString fromInt(int value, const QLocale &locale);

// Double to text in the general format: the locale's decimal separator, no grouping,
// no trailing zeros, at most 15 significant digits. Negative zero shows as "0".
QString fromDouble(double value, const QLocale &locale);

// Text to double by the locale. Empty is nothing: an empty text, a text that is not a
// number, a text with group separators, and a value that overflows a double or is not finite.
std::optional<double> toDouble(QStringView text, const QLocale &locale);

// The coefficient field: the catalogue writes it with a comma in every locale, and the
// start-up writes the locale's own text, so both separators are taken here.
std::optional<double> coefficientToDouble(QStringView text, const QLocale &locale);

} // namespace numbers
