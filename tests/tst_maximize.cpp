// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// A request to maximize or resize the window, as a title bar's button or the compositor
// sends it, neither ends the program nor changes the window: it keeps its size and
// every text. Runs on every platform; under a Wayland compositor it is the real test.

#include "app/platform/decorations.h"
#include "app/window/titlebar.h"
#include "formdriver.h"

class TstMaximize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void maximizeRequest_data();
    void maximizeRequest();
    void noMaximizeButton();
    void ownTitleBar();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
}

void TstMaximize::maximizeRequest_data()
{
    QTest::addColumn<Qt::WindowState>("state"); // none: a larger size
    QTest::addColumn<bool>("fromPlatform");     // the platform window's state, or the widget's
    QTest::newRow("maximized") << Qt::WindowMaximized << true;
    QTest::newRow("full screen") << Qt::WindowFullScreen << true;
    QTest::newRow("maximized, widget") << Qt::WindowMaximized << false;
    QTest::newRow("full screen, widget") << Qt::WindowFullScreen << false;
    QTest::newRow("resized") << Qt::WindowNoState << true; // as a compositor does
}

void TstMaximize::maximizeRequest()
{
    QFETCH(Qt::WindowState, state);
    QFETCH(bool, fromPlatform);
    qInfo("platform %s", qPrintable(QGuiApplication::platformName()));
    FormDriver d(ru);
    // Below a title bar of the window's own, the controls are lower by its height.
    const int bar = d.form.findChild<TitleBar *>() ? TitleBar::height : 0;
    if (state == Qt::WindowNoState) {
        // A size held by its limits is the window system's to keep on X11 (the window
        // does not answer one that sets another anyway); the window with its own title
        // bar, and any window on Wayland, takes a size back itself: Qt 6.8 takes a
        // compositor's size beyond the limits, 6.4 keeps to them.
        if (d.form.minimumSize() == d.form.maximumSize() && !decorations::sizeIsAdvice())
            QSKIP("the window system holds this window's size");
        d.form.windowHandle()->resize(800, 700);
    } else if (fromPlatform)
        d.form.windowHandle()->setWindowStates(state);
    else
        d.form.setWindowState(state);
    QTest::qWait(1500);
    QTRY_COMPARE(d.form.size(), QSize(447, 408 + bar));
    QVERIFY(!(d.form.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)));
    QCOMPARE(d.result(), QStringLiteral("0,226"));
    QCOMPARE(d.text("Метка13"), QStringLiteral("Э46"));
    QCOMPARE(d.get("Комбо5")->geometry(), QRect(120, 16, 297, 24));
}

// Whoever draws the title bar draws no maximize button: the window system, told by
// the window's hints, or the window itself, in place of the toolkit's.
void TstMaximize::noMaximizeButton()
{
    FormDriver d(ru);
    const auto *bar = d.form.findChild<TitleBar *>();
    qInfo("title bar: %s", bar ? "the window's own" : "the window system's");
    if (bar) {
        QVERIFY(d.form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(bar->findChildren<QAbstractButton *>().size(), 2);
        return;
    }
    QVERIFY(!(d.form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(d.form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(d.form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

// The window's own title bar sits above the controls, and its buttons minimize and
// close the window.
void TstMaximize::ownTitleBar()
{
    QWidget window;
    QWidget control(&window);
    control.move(10, 20);
    window.resize(200, 100);
    TitleBar *bar = TitleBar::addTo(&window);
    QCOMPARE(window.size(), QSize(200, 100 + TitleBar::height));
    QCOMPARE(control.pos(), QPoint(10, 20 + TitleBar::height));
    QCOMPARE(bar->geometry(), QRect(0, 0, 200, TitleBar::height));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(bar->minimizeButton(), Qt::LeftButton);
    QTRY_VERIFY(window.windowState() & Qt::WindowMinimized);
    window.showNormal();
    QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!window.isVisible());
}

QTEST_MAIN(TstMaximize)
#include "tst_maximize.moc"
