// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Which typed characters each kind of field takes.

#include "app/window/qtext.h"
#include "form/keyrule.h"

#include <QTest>

class TstKeyRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyMySymbols_data();
    void onlyMySymbols();
};

void TstKeyRule::onlyMySymbols_data()
{
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<QString>("typed"); // every character here ...
    QTest::addColumn<bool>("passes");   // ... passes, or every one is refused

    const QString lists = qtext::toQt(keyrule::noCharacters);
    const QString coefficient = qtext::toQt(keyrule::digitsAndComma);
    const QString length = qtext::toQt(keyrule::digits);
    const QString controls =
        QStringList{"\r", "\x1b", "\x03", "\x16", "\x18", "\x1a", "\t"}.join(QString());

    QTest::newRow("list: backspace") << lists << "\b" << true;
    QTest::newRow("list: digits") << lists << "0123456789" << false;
    QTest::newRow("list: letters") << lists << "aZНнУу" << false;
    QTest::newRow("list: controls") << lists << controls << false;
    QTest::newRow("coefficient: backspace") << coefficient << "\b" << true;
    QTest::newRow("coefficient: digits and comma") << coefficient << "0123456789," << true;
    QTest::newRow("coefficient: point, minus, blank") << coefficient << ".- " << false;
    QTest::newRow("length: backspace") << length << "\b" << true;
    QTest::newRow("length: digits") << length << "1234567890" << true;
    QTest::newRow("length: comma, point, minus, blank") << length << ",.- +e" << false;
    QTest::newRow("length: letters") << length << "aЖ" << false;
    QTest::newRow("length: controls") << length << controls << false;
    QTest::newRow("length: wide digits") << length << QString::fromUtf16(u"٣１") << false;
    QTest::newRow("length: code 0") << length << QString(QChar(0)) << false;
}

void TstKeyRule::onlyMySymbols()
{
    QFETCH(QString, allowed);
    QFETCH(QString, typed);
    QFETCH(bool, passes);
    for (const QChar c : typed) {
        const char16_t code = c.unicode();
        QCOMPARE(keyrule::onlyMySymbols(code, qtext::fromQt(allowed)), passes ? code : char16_t(0));
    }
}

QTEST_GUILESS_MAIN(TstKeyRule)
#include "tst_keyrule.moc"
