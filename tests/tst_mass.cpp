// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The electrode mass from the field texts: worked examples, the picture, and the texts
// for which there is no mass.

#include "app/window/qtext.h"
#include "calc/mass.h"

#include <QTest>

Q_DECLARE_METATYPE(calc::Status)

using calc::Status;

class TstMass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shown_data();
    void shown();
    void noMass_data();
    void noMass();
    void picture_data();
    void picture();
    void everyRowAndColumn_data();
    void everyRowAndColumn();
    void positionsAndSeams_data();
    void positionsAndSeams();
    void horizontalEqualsVertical();
};

static const QLocale ru(QLocale::Russian, QLocale::Russia);
static const QLocale en(QLocale::English, QLocale::UnitedStates);

namespace {

using qtext::fromQt;
using qtext::separatorOf;
using qtext::toQt;

// The numbers are typed with a comma; in an English locale the point is used instead,
// except in the coefficient, which the catalogue writes with a comma everywhere.
QString local(const QString &text, const QLocale &locale)
{
    QString t = text;
    if (locale.decimalPoint() == QStringLiteral("."))
        t.replace(u',', u'.');
    return t;
}

std::optional<QString> shownText(const QStringList &in, const QLocale &locale)
{
    const QString leg = local(in[0], locale), length = local(in[5], locale);
    const calc::MassResult r = calc::computeMass(
        {fromQt(leg), fromQt(in[1]), fromQt(in[2]), fromQt(in[3]), fromQt(in[4]), fromQt(length)},
        separatorOf(locale));
    if (r.status != Status::Ok)
        return std::nullopt;
    const auto texts = calc::massTexts(r.mass, separatorOf(locale));
    if (!texts)
        return std::nullopt;
    return toQt(texts->rounded);
}

} // namespace

void TstMass::shown_data()
{
    QTest::addColumn<QStringList>("inputs"); // leg, joint, position, seam, coefficient, length
    QTest::addColumn<QString>("shown");      // with a comma

    QTest::newRow("start values, 1,7")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,7", "1000"} << "0,24";
    QTest::newRow("start values, brand АНО-3")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", "1000"} << "0,226";
    QTest::newRow("intermittent halves")
        << QStringList{"5", "Н1", "Нижнее", "прерывистый", "1,7", "1000"} << "0,12";
    QTest::newRow("Т3 overhead intermittent")
        << QStringList{"10", "Т3", "Потолочное", "прерывистый", "1,5", "2500"} << "2,356";
    QTest::newRow("У5 vertical one millimetre")
        << QStringList{"20", "У5", "Вертикальное", "сплошной", "1,8", "1"} << "0,005";
    QTest::newRow("У4 inclined intermittent")
        << QStringList{"2", "У4", "Наклонное", "прерывистый", "1,4", "100"} << "0,002";
    QTest::newRow("below half a gram shows 0")
        << QStringList{"2", "Н1", "Нижнее", "сплошной", "1,7", "9"} << "0";
    QTest::newRow("half a gram rounds up")
        << QStringList{"2", "Н1", "Нижнее", "сплошной", "1,7", "10"} << "0,001";
    // Exact halves of a gram, as the calculation writes them, round up.
    QTest::newRow("0,5005 rounds up")
        << QStringList{"2", "Н1", "Нижнее", "сплошной", "1,7", "9100"} << "0,501";
    QTest::newRow("2,0075 rounds up")
        << QStringList{"2", "Н1", "Нижнее", "сплошной", "1,7", "36500"} << "2,008";
    QTest::newRow("0,0005 rounds up")
        << QStringList{"2", "У5", "Нижнее", "сплошной", "1,7", "5"} << "0,001";
    QTest::newRow("zero length") << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,7", "0"} << "0";
    QTest::newRow("negative zero length")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,7", "-0"} << "0";
    QTest::newRow("large length, no grouping")
        << QStringList{"20", "Н2", "Потолочное", "сплошной", "1,8", "10000000"} << "80301,176";
}

void TstMass::shown()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, shown);
    for (const QLocale &locale : {ru, en}) {
        const auto text = shownText(inputs, locale);
        QVERIFY2(text.has_value(), qPrintable(locale.name()));
        QCOMPARE(*text, local(shown, locale));
    }
}

void TstMass::noMass_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<Status>("status");

    QTest::newRow("empty coefficient")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "", "1000"} << Status::CoefficientNotNumber;
    QTest::newRow("two commas in coefficient")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,,7", "1000"}
        << Status::CoefficientNotNumber;
    QTest::newRow("empty length") << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", ""}
                                  << Status::LengthNotNumber;
    QTest::newRow("design text as length")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", "Текст2"} << Status::LengthNotNumber;
    QTest::newRow("length beyond a double")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", QString(400, u'9')}
        << Status::LengthNotNumber;
    QTest::newRow("mass beyond a double")
        << QStringList{"20", "Н2", "Потолочное", "сплошной", "1,8", "1" + QString(308, u'0')}
        << Status::Overflow;
    QTest::newRow("negative length")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", "-1000"} << Status::NegativeLength;
    QTest::newRow("negative fraction of a millimetre")
        << QStringList{"5", "Н1", "Нижнее", "сплошной", "1,6", "-0,001"} << Status::NegativeLength;
    QTest::newRow("empty leg") << QStringList{"", "Н1", "Нижнее", "сплошной", "1,6", "1000"}
                               << Status::LegNotNumber;
    QTest::newRow("leg 7 has no row")
        << QStringList{"7", "Н1", "Нижнее", "сплошной", "1,6", "1000"} << Status::UnknownLeg;
    QTest::newRow("leg 2,5 has no row")
        << QStringList{"2,5", "Н1", "Нижнее", "сплошной", "1,6", "1000"} << Status::UnknownLeg;
    QTest::newRow("leg erased to 1")
        << QStringList{"1", "Т1", "Нижнее", "сплошной", "1,6", "1000"} << Status::UnknownLeg;
    QTest::newRow("Latin H in Н1")
        << QStringList{"5", "H1", "Нижнее", "сплошной", "1,6", "1000"} << Status::UnknownJoint;
    QTest::newRow("empty joint") << QStringList{"5", "", "Нижнее", "сплошной", "1,6", "1000"}
                                 << Status::UnknownJoint;
    QTest::newRow("position erased")
        << QStringList{"5", "Н1", "Нижне", "сплошной", "1,6", "1000"} << Status::UnknownPosition;
    QTest::newRow("position in capitals")
        << QStringList{"5", "Н1", "НИЖНЕЕ", "сплошной", "1,6", "1000"} << Status::UnknownPosition;
    QTest::newRow("seam erased") << QStringList{"5", "Н1", "Нижнее", "сплошно", "1,6", "1000"}
                                 << Status::UnknownSeam;
    QTest::newRow("seam with a capital")
        << QStringList{"5", "Н1", "Нижнее", "Сплошной", "1,6", "1000"} << Status::UnknownSeam;
    QTest::newRow("seam with a trailing blank")
        << QStringList{"5", "Н1", "Нижнее", "сплошной ", "1,6", "1000"} << Status::UnknownSeam;
}

void TstMass::noMass()
{
    QFETCH(QStringList, inputs);
    QFETCH(Status, status);
    const calc::MassResult r =
        calc::computeMass({fromQt(inputs[0]), fromQt(inputs[1]), fromQt(inputs[2]),
                           fromQt(inputs[3]), fromQt(inputs[4]), fromQt(inputs[5])},
                          separatorOf(ru));
    QCOMPARE(r.status, status);
}

void TstMass::picture_data()
{
    QTest::addColumn<QString>("leg");
    QTest::addColumn<QString>("joint");
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("picture"); // -1: none

    QTest::newRow("Н1") << "5"
                        << "Н1"
                        << "1000" << int(calc::Joint::N1);
    QTest::newRow("У5") << "5"
                        << "У5"
                        << "1000" << int(calc::Joint::U5);
    QTest::newRow("empty length still shows the joint") << "5"
                                                        << "Т3"
                                                        << "" << int(calc::Joint::T3);
    QTest::newRow("unknown leg still shows the joint") << "7"
                                                       << "Н2"
                                                       << "1000" << int(calc::Joint::N2);
    QTest::newRow("leg not a number still shows the joint") << ""
                                                            << "Н2"
                                                            << "1000" << int(calc::Joint::N2);
    QTest::newRow("unknown joint") << "5"
                                   << "Н3"
                                   << "1000" << -1;
}

void TstMass::picture()
{
    QFETCH(QString, leg);
    QFETCH(QString, joint);
    QFETCH(QString, length);
    QFETCH(int, picture);
    const calc::MassResult r = calc::computeMass(
        {fromQt(leg), fromQt(joint), u"Нижнее", u"сплошной", u"1,6", fromQt(length)},
        separatorOf(ru));
    QCOMPARE(r.picture.has_value() ? int(*r.picture) : -1, picture);
}

// Every cell of the base mass table, written out: at the reference coefficient, flat,
// continuous and 1000 mm, the window shows the cell's own value. Each joint reads its
// own column, and У5 never a group column.
void TstMass::everyRowAndColumn_data()
{
    QTest::addColumn<QString>("leg");
    QTest::addColumn<QString>("joint");
    QTest::addColumn<QString>("shown");
    const char *const table[][4] = {
        // leg, У4 Т1 Н1, Т3 Н2, У5
        {"2", "0,055", "0,11", "0,1"},   {"3", "0,11", "0,22", "0,133"},
        {"4", "0,17", "0,34", "0,211"},  {"5", "0,24", "0,48", "0,305"},
        {"6", "0,33", "0,66", "0,427"},  {"8", "0,55", "1,1", "0,702"},
        {"10", "0,89", "1,78", "1,115"}, {"12", "1,23", "2,46", "1,538"},
        {"14", "1,61", "3,22", "2,027"}, {"16", "2,1", "4,2", "2,7"},
        {"18", "2,6", "5,2", "3,333"},   {"20", "3,16", "6,32", "4,107"},
    };
    for (const auto &[leg, group1, group2, u5] : table) {
        for (const char *j : {"У4", "Т1", "Н1"})
            QTest::addRow("%s %s", leg, j) << leg << QString::fromUtf8(j) << group1;
        for (const char *j : {"Т3", "Н2"})
            QTest::addRow("%s %s", leg, j) << leg << QString::fromUtf8(j) << group2;
        QTest::addRow("%s У5", leg) << leg << QStringLiteral("У5") << u5;
    }
}

void TstMass::everyRowAndColumn()
{
    QFETCH(QString, leg);
    QFETCH(QString, joint);
    QFETCH(QString, shown);
    QCOMPARE(shownText({leg, joint, "Нижнее", "сплошной", "1,7", "1000"}, ru).value_or("none"),
             shown);
}

// Every position factor and both seam kinds, on the largest group 2 cell (6,32).
void TstMass::positionsAndSeams_data()
{
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("seam");
    QTest::addColumn<QString>("shown");
    QTest::newRow("flat") << "Нижнее"
                          << "сплошной"
                          << "6,32";
    QTest::newRow("inclined") << "Наклонное"
                              << "сплошной"
                              << "6,636";
    QTest::newRow("vertical") << "Вертикальное"
                              << "сплошной"
                              << "6,952";
    QTest::newRow("horizontal") << "Горизонтальное"
                                << "сплошной"
                                << "6,952";
    QTest::newRow("overhead") << "Потолочное"
                              << "сплошной"
                              << "7,584";
    QTest::newRow("flat intermittent") << "Нижнее"
                                       << "прерывистый"
                                       << "3,16";
    QTest::newRow("inclined intermittent") << "Наклонное"
                                           << "прерывистый"
                                           << "3,318";
    QTest::newRow("overhead intermittent") << "Потолочное"
                                           << "прерывистый"
                                           << "3,792";
}

void TstMass::positionsAndSeams()
{
    QFETCH(QString, position);
    QFETCH(QString, seam);
    QFETCH(QString, shown);
    QCOMPARE(shownText({"20", "Н2", position, seam, "1,7", "1000"}, ru).value_or("none"), shown);
}

void TstMass::horizontalEqualsVertical()
{
    const auto mass = [](const char16_t *position) {
        return calc::computeMass({u"12", u"Т3", position, u"сплошной", u"1,6", u"777"},
                                 separatorOf(ru))
            .mass;
    };
    QCOMPARE(mass(u"Горизонтальное"), mass(u"Вертикальное"));
    QVERIFY(mass(u"Горизонтальное") > mass(u"Нижнее"));
}

QTEST_GUILESS_MAIN(TstMass)
#include "tst_mass.moc"
