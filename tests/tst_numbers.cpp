// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Conversions between numbers and field texts, pinned to a Russian and an English locale.

#include "app/window/qtext.h"
#include "calc/numbers.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

class TstNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromDouble_data();
    void fromDouble();
    void fromInt_data();
    void fromInt();
    void toDouble_data();
    void toDouble();
    void coefficient_data();
    void coefficient();
    void roundTrip_data();
    void roundTrip();
    void sameAsQt_data();
    void sameAsQt();
};

using qtext::fromQt;
using qtext::separatorOf;
using qtext::toQt;

static const QLocale ru(QLocale::Russian, QLocale::Russia);
static const QLocale en(QLocale::English, QLocale::UnitedStates);
// Locales with digits of their own: the fields still show ASCII digits, with the
// locale's decimal separator.
static const QLocale ar(QLocale::Arabic, QLocale::Egypt);
static const QLocale fa(QLocale::Persian, QLocale::Iran);

void TstNumbers::fromDouble_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("ru 1.7") << ru << 1.7 << QStringLiteral("1,7");
    QTest::newRow("en 1.7") << en << 1.7 << QStringLiteral("1.7");
    QTest::newRow("ru no trailing zeros") << ru << 0.24 << QStringLiteral("0,24");
    QTest::newRow("ru whole number") << ru << 1000.0 << QStringLiteral("1000");
    QTest::newRow("ru no grouping") << ru << 1234567.5 << QStringLiteral("1234567,5");
    QTest::newRow("en no grouping") << en << 1234567.5 << QStringLiteral("1234567.5");
    QTest::newRow("15 significant digits") << en << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("full precision") << ru << 2.35588235294118 << QStringLiteral("2,35588235294118");
    QTest::newRow("negative zero") << ru << -0.0 << QStringLiteral("0");
    QTest::newRow("zero") << en << 0.0 << QStringLiteral("0");
    QTest::newRow("one tenth is no zero") << ru << 0.1 << QStringLiteral("0,1");
    QTest::newRow("negative") << ru << -0.225 << QStringLiteral("-0,225");
    QTest::newRow("ar ASCII digits")
        << ar << 0.226 << QStringLiteral("0") + ar.decimalPoint() + "226";
    QTest::newRow("fa ASCII digits") << fa << 1.7 << QStringLiteral("1") + fa.decimalPoint() + "7";
}

void TstNumbers::fromDouble()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(toQt(numbers::fromDouble(value, separatorOf(locale))), text);
}

void TstNumbers::fromInt_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("ru 5") << ru << 5 << QStringLiteral("5");
    QTest::newRow("ru 1000") << ru << 1000 << QStringLiteral("1000");
    QTest::newRow("en 1000") << en << 1000 << QStringLiteral("1000");
    QTest::newRow("en 1000000") << en << 1000000 << QStringLiteral("1000000");
    QTest::newRow("ar 5") << ar << 5 << QStringLiteral("5");
    QTest::newRow("fa 1000") << fa << 1000 << QStringLiteral("1000");
}

void TstNumbers::fromInt()
{
    QFETCH(QLocale, locale);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(toQt(numbers::fromInt(value)), text);
}

void TstNumbers::toDouble_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("ru comma") << ru << QStringLiteral("1,6") << true << 1.6;
    QTest::newRow("ru whole") << ru << QStringLiteral("1000") << true << 1000.0;
    QTest::newRow("en point") << en << QStringLiteral("1.6") << true << 1.6;
    QTest::newRow("ru point") << ru << QStringLiteral("1.6") << false << 0.0;
    QTest::newRow("en comma is no group") << en << QStringLiteral("1,600") << false << 0.0;
    QTest::newRow("empty") << ru << QString() << false << 0.0;
    QTest::newRow("two commas") << ru << QStringLiteral("1,,7") << false << 0.0;
    QTest::newRow("design text") << ru << QStringLiteral("Текст2") << false << 0.0;
    QTest::newRow("overflow") << en << QStringLiteral("1e400") << false << 0.0;
    QTest::newRow("long digits overflow") << en << QString(400, u'9') << false << 0.0;
    QTest::newRow("inf") << en << QStringLiteral("inf") << false << 0.0;
    QTest::newRow("nan") << en << QStringLiteral("nan") << false << 0.0;
    QTest::newRow("exponent form") << ru << QStringLiteral("1e-05") << true << 1e-5;
    QTest::newRow("negative") << ru << QStringLiteral("-1000") << true << -1000.0;
    QTest::newRow("ar ASCII digits")
        << ar << QStringLiteral("1") + ar.decimalPoint() + "6" << true << 1.6;
    QTest::newRow("ar own digits") << ar << QString::fromUtf16(u"١٠٠٠") << false << 0.0;
    QTest::newRow("fa ASCII whole") << fa << QStringLiteral("1000") << true << 1000.0;
    QTest::newRow("ar point is no separator") << ar << QStringLiteral("1.6") << false << 0.0;
}

void TstNumbers::toDouble()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto result = numbers::toDouble(fromQt(text), separatorOf(locale));
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

void TstNumbers::coefficient_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    QTest::newRow("ru catalogue text") << ru << QStringLiteral("1,6") << true << 1.6;
    QTest::newRow("en catalogue text is not 16") << en << QStringLiteral("1,6") << true << 1.6;
    QTest::newRow("en own text") << en << QStringLiteral("1.7") << true << 1.7;
    QTest::newRow("en two commas") << en << QStringLiteral("1,,7") << false << 0.0;
    QTest::newRow("en comma and point") << en << QStringLiteral("1,6.1") << false << 0.0;
    QTest::newRow("en empty") << en << QString() << false << 0.0;
    QTest::newRow("ru empty") << ru << QString() << false << 0.0;
}

void TstNumbers::coefficient()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto result = numbers::coefficientToDouble(fromQt(text), separatorOf(locale));
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

// Every text the number-to-text conversion gives must convert back.
void TstNumbers::roundTrip_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    for (const QLocale &l : {ru, en, ar}) {
        const QByteArray tag = l.name().toLatin1() + ' ';
        QTest::newRow(tag + "tiny") << l << 4.95e-7;
        QTest::newRow(tag + "huge") << l << 1.5e300;
        QTest::newRow(tag + "largest") << l << std::numeric_limits<double>::max() / 10;
        QTest::newRow(tag + "mass") << l << 0.225882352941176;
        QTest::newRow(tag + "negative") << l << -12.5;
    }
}

void TstNumbers::roundTrip()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    const auto back =
        numbers::toDouble(numbers::fromDouble(value, separatorOf(locale)), separatorOf(locale));
    QVERIFY(back.has_value());
    QVERIFY(qAbs(*back - value) <= qAbs(value) * 1e-14);
}

namespace qtreference {

// The conversions as the toolkit made them before the window's logic left it: the
// reference that the toolkit-free ones must equal, text for text.
QLocale ascii()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

QString fromDouble(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0;
    QString text = ascii().toString(value, 'g', 15);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

std::optional<double> toDouble(QStringView text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;
    const QString separator = locale.decimalPoint();
    QString withPoint = text.toString();
    if (separator != QStringLiteral(".")) {
        if (withPoint.contains(u'.'))
            return std::nullopt;
        withPoint.replace(separator, QStringLiteral("."));
    }
    bool ok = false;
    const double value = ascii().toDouble(withPoint, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace qtreference

void TstNumbers::sameAsQt_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("ru") << ru;
    QTest::newRow("en") << en;
}

// A million generated texts read both ways, and as many doubles written both ways:
// lengths and leg texts as typed, pastes with white space, signs, exponents, both
// separators, characters beyond ASCII. Every difference is a failure.
void TstNumbers::sameAsQt()
{
    QFETCH(QLocale, locale);
    QRandomGenerator rng(20261209);
    const std::u16string separator = separatorOf(locale);
    const QString pieces[] = {
        "0",
        "1",
        "5",
        "9",
        "12",
        "1000",
        "007",
        ",",
        ".",
        "+",
        "-",
        "e",
        "E",
        "e+",
        "e-",
        " ",
        "\t",
        "\n",
        "\r",
        "\v",
        "\f",
        QString(QChar(0x85)),
        QString(QChar(0xA0)),
        QString(QChar(0x2009)),
        QString(QChar(0x202F)),
        QString(QChar(0x3000)),
        QString(QChar(0x2212)),
        QString(QChar(0x0135)),
        QString(QChar(0x0665)),
        QString(QChar(0xFF15)),
        "x",
        "inf",
        "nan",
        "1e400",
        "1e-400",
        "1e-310",
        "999999999999999999999",
        "0x1",
    };
    const int count = 500000;
    for (int i = 0; i < count; ++i) {
        QString text;
        if (rng.bounded(2)) {
            // A number as it is shown, with additions at either end.
            const double value = rng.bounded(4)
                                     ? rng.bounded(100000.0) / (1 << rng.bounded(20))
                                     : std::ldexp(rng.generateDouble(), rng.bounded(-1100, 1100));
            text = qtreference::fromDouble(rng.bounded(2) ? value : -value, locale);
            if (rng.bounded(3) == 0)
                text.prepend(pieces[rng.bounded(int(std::size(pieces)))]);
            if (rng.bounded(3) == 0)
                text.append(pieces[rng.bounded(int(std::size(pieces)))]);
        } else {
            const int n = rng.bounded(6);
            for (int k = 0; k < n; ++k)
                text += pieces[rng.bounded(int(std::size(pieces)))];
        }
        const auto expected = qtreference::toDouble(text, locale);
        const auto actual = numbers::toDouble(fromQt(text), separator);
        if (expected.has_value() != actual.has_value() || (expected && *expected != *actual) ||
            (expected && std::signbit(*expected) != std::signbit(*actual)))
            QFAIL(qPrintable(QStringLiteral("'%1' reads as %2, the toolkit's as %3")
                                 .arg(text, actual ? QString::number(*actual, 'g', 17) : "nothing",
                                      expected ? QString::number(*expected, 'g', 17) : "nothing")));

        // Any double, subnormals included, written in the general and the scientific
        // format.
        quint64 bits = rng.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const QString written = toQt(numbers::fromDouble(value, separator));
        if (written != qtreference::fromDouble(value, locale))
            QFAIL(qPrintable(QStringLiteral("%1 is written '%2', by the toolkit '%3'")
                                 .arg(QString::number(value, 'g', 17), written,
                                      qtreference::fromDouble(value, locale))));
    }
}

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
