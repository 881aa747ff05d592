// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// A request to maximize the window, as a title bar's button or the compositor sends
// it, neither ends the program nor changes the window: it keeps its size and every
// text. Runs on every platform; under a Wayland compositor it is the real test.

#include "formdriver.h"

class TstMaximize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void maximizeRequest_data();
    void maximizeRequest();
    void noMaximizeButton();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
}

void TstMaximize::maximizeRequest_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<bool>("fromPlatform"); // the platform window's state, or the widget's
    QTest::newRow("maximized") << Qt::WindowMaximized << true;
    QTest::newRow("full screen") << Qt::WindowFullScreen << true;
    QTest::newRow("maximized, widget") << Qt::WindowMaximized << false;
    QTest::newRow("full screen, widget") << Qt::WindowFullScreen << false;
}

void TstMaximize::maximizeRequest()
{
    QFETCH(Qt::WindowState, state);
    QFETCH(bool, fromPlatform);
    qInfo("platform %s", qPrintable(QGuiApplication::platformName()));
    FormDriver d(ru);
    if (fromPlatform)
        d.form.windowHandle()->setWindowStates(state);
    else
        d.form.setWindowState(state);
    QTest::qWait(1500);
    QTRY_COMPARE(d.form.size(), QSize(447, 408));
    QVERIFY(!(d.form.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)));
    QCOMPARE(d.result(), QStringLiteral("0,226"));
    QCOMPARE(d.text("Метка13"), QStringLiteral("Э46"));
    QCOMPARE(d.get("Комбо5")->geometry(), QRect(120, 16, 297, 24));
}

void TstMaximize::noMaximizeButton()
{
    FormDriver d(ru);
    QVERIFY(!(d.form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(d.form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(d.form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

QTEST_MAIN(TstMaximize)
#include "tst_maximize.moc"
