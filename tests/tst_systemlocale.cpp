// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window as the program builds it, from the system's own locale: the start texts
// and the result with that locale's decimal separator (0,226 or 0.226).

#include "formdriver.h"

class TstSystemLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startTexts();
};

void TstSystemLocale::startTexts()
{
    const QLocale system = QLocale::system();
    qInfo("system locale %s, decimal separator '%s'", qPrintable(system.name()),
          qPrintable(system.decimalPoint()));
    FormWindow form;
    form.Load();
    const auto text = [&](const char *name) {
        return form.findChild<QLineEdit *>(QString::fromUtf8(name))->text();
    };
    const auto list = [&](const char *name) {
        return form.findChild<QComboBox *>(QString::fromUtf8(name))->currentText();
    };
    QCOMPARE(list("Комбо1"), QStringLiteral("5"));
    QCOMPARE(list("Комбо6"), QStringLiteral("АНО-3"));
    QCOMPARE(text("Текст2"), QStringLiteral("1000"));
    qInfo("shown result %s", qPrintable(text("Текст3")));
    QCOMPARE(text("Текст3"), QStringLiteral("0") + system.decimalPoint() + QStringLiteral("226"));
}

QTEST_MAIN(TstSystemLocale)
#include "tst_systemlocale.moc"
