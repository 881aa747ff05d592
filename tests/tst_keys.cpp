// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Text reaches a field only when the field takes it, whichever way it comes: typed
// keys sent to the window as the window system sends them, an input method's commit
// at the focus widget, a drop, a paste. Every output then belongs to the inputs.

#include "formdriver.h"

#include "app/toolkittexts.h"

#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTranslator>

class TstKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typed_data();
    void typed();
    void delivered_data();
    void delivered();
    void keysWithoutCharacter();
    void editEndsNoPick_data();
    void editEndsNoPick();
    void preeditNeverBecomesText();
    void copyAndSelectAll_data();
    void copyAndSelectAll();
    void resultTakesNoPaste();
    void inputMethodHints();
    void toolkitTextsInRussian();
    void onlyMySymbols();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);

const char *const fields[][2] = {
    {"Комбо1", "5"},
    {"Комбо2", "Н1"},
    {"Комбо3", "Нижнее"},
    {"Комбо4", "сплошной"},
    {"Комбо5", "вспомогательные конструкции"},
    {"Комбо6", "АНО-3"},
    {"Текст2", "1000"},
    {"Текст3", "0,226"},
};
} // namespace

void TstKeys::typed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("after"); // the field's text afterwards

    const Qt::KeyboardModifiers none;
    for (const auto &[field, start] : fields) {
        const QString f = QString::fromUtf8(field), s = QString::fromUtf8(start);
        const auto row = [&](const char *what, Qt::Key key, const QString &text,
                             Qt::KeyboardModifiers mods, const QString &after) {
            QTest::addRow("%s: %s", field, what) << f << key << text << mods << after;
        };
        row("digit", Qt::Key_7, "7", none, f == QStringLiteral("Текст2") ? s + "7" : s);
        row("Latin letter", Qt::Key_A, "a", none, s);
        row("Cyrillic letter", Qt::Key_A, QStringLiteral("ж"), none, s);
        row("point", Qt::Key_Period, ".", none, s);
        row("comma", Qt::Key_Comma, ",", none, s);
        row("minus", Qt::Key_Minus, "-", none, s);
        row("blank", Qt::Key_Space, " ", none, s);
        row("Enter", Qt::Key_Return, "\r", none, s);
        row("Escape", Qt::Key_Escape, "\x1b", none, s);
        row("Ctrl+V", Qt::Key_V, "\x16", Qt::ControlModifier, s);
        row("Ctrl+X", Qt::Key_X, "\x18", Qt::ControlModifier, s);
        row("Ctrl+Z", Qt::Key_Z, "\x1a", Qt::ControlModifier, s);
        row("Ctrl+Y", Qt::Key_Y, "\x19", Qt::ControlModifier, s);
        // The shown mass is deleted whole, never turned into another number.
        row("backspace", Qt::Key_Backspace, "\b", none,
            f == QStringLiteral("Текст3") ? QString() : s.chopped(1));
    }
}

void TstKeys::typed()
{
    QFETCH(QString, field);
    QFETCH(Qt::Key, key);
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, after);
    FormDriver d(ru);
    QGuiApplication::clipboard()->setText(QStringLiteral("77"));
    d.focus(field);
    d.end();
    const int before = d.form.calculations();
    d.key(key, text, modifiers);
    QCOMPARE(d.text(field), after);
    // The lists and the result do not start a calculation on a refused key.
    if (after == d.text(field) && text != QStringLiteral("\b") && field != QStringLiteral("Текст2"))
        QCOMPARE(d.form.calculations(), before);
    if (field != QStringLiteral("Текст3"))
        QCOMPARE(d.staleOutput(), QString());
}

// The same texts by every way they can arrive. A typed text is filtered character by
// character; an input method's commit is taken whole or refused whole; drops and
// pastes reach the number field and the lists unfiltered and recompute like any
// edit, and never reach the result.
void TstKeys::delivered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Delivery>("delivery");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");

    const struct {
        const char *name;
        Delivery how;
    } deliveries[] = {
        {"key", Delivery::Key},
        {"input method", Delivery::InputMethod},
        {"drop", Delivery::Drop},
        {"paste", Delivery::Paste},
    };
    for (const auto &[field, start] : fields) {
        const QString f = QString::fromUtf8(field), s = QString::fromUtf8(start);
        const bool length = f == QStringLiteral("Текст2");
        const bool result = f == QStringLiteral("Текст3");
        for (const auto &[name, how] : deliveries) {
            const bool unfiltered = (how == Delivery::Drop || how == Delivery::Paste) && !result;
            const auto row = [&](const char *what, const QString &text, const QString &after) {
                QTest::addRow("%s: %s by %s", field, what, name) << f << how << text << after;
            };
            row("digit", "7", length || unfiltered ? s + "7" : s);
            row("letter", QStringLiteral("ж"), unfiltered ? s + QStringLiteral("ж") : s);
            const QString mixedByKey = length && how == Delivery::Key ? s + "5" : s;
            row("digit and letter", "5x", unfiltered ? s + "5x" : mixedByKey);
            row("comma", ",5",
                unfiltered ? s + ",5" : (length ? s + (how == Delivery::Key ? "5" : "") : s));
        }
    }
}

void TstKeys::delivered()
{
    QFETCH(QString, field);
    QFETCH(Delivery, delivery);
    QFETCH(QString, text);
    QFETCH(QString, after);
    FormDriver d(ru);
    d.focus(field);
    d.end();
    d.deliver(field, delivery, text);
    QCOMPARE(d.text(field), after);
    if (field == QStringLiteral("Текст3"))
        QCOMPARE(d.result(), QStringLiteral("0,226"));
    else
        QCOMPARE(d.staleOutput(), QString());
}

// Arrows, Home, End and Delete type nothing and pass; Tab still moves the focus.
void TstKeys::keysWithoutCharacter()
{
    FormDriver d(ru);
    d.focus("Текст2");
    d.key(Qt::Key_Home, QString());
    d.key(Qt::Key_Delete, QString());
    QCOMPARE(d.text("Текст2"), QStringLiteral("000"));
    QCOMPARE(d.result(), QStringLiteral("0"));
    d.key(Qt::Key_Right, QString());
    d.type("5");
    QCOMPARE(d.text("Текст2"), QStringLiteral("0500"));
    d.key(Qt::Key_Tab, QStringLiteral("\t"));
    QCOMPARE(QApplication::focusWidget(), d.get("Текст3"));

    // In a list, the arrow keys pick the next item: a Click.
    d.focus("Комбо3");
    const int before = d.form.calculations();
    d.key(Qt::Key_Down, QString());
    QCOMPARE(d.text("Комбо3"), QStringLiteral("Наклонное"));
    QCOMPARE(d.form.calculations(), before + 1);
}

// A list's text pasted and the edit ended (Enter, Tab, a click elsewhere) on another
// item's text: the paste applied as a pick does, once; the end of the edit is no pick
// of its own, as in Windows' lists.
void TstKeys::editEndsNoPick_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("end"); // 0 Enter, 1 Tab, 2 the focus taken away
    QTest::addColumn<QString>("brand");
    for (int end : {0, 1, 2}) {
        const QByteArray how = QList<QByteArray>{"Enter", "Tab", "focus"}[end];
        QTest::newRow("area, " + how) << "Комбо5"
                                      << "несущие конструкции" << end << "МР-3";
        QTest::newRow("position, " + how) << "Комбо3"
                                          << "Потолочное" << end << "АНО-3";
        QTest::newRow("brand, " + how) << "Комбо6"
                                       << "АНО-6" << end << "АНО-6";
    }
}

void TstKeys::editEndsNoPick()
{
    QFETCH(QString, list);
    QFETCH(QString, pasted);
    QFETCH(int, end);
    QFETCH(QString, brand);
    FormDriver d(ru);
    d.focus(list);
    d.key(Qt::Key_A, QString(), Qt::ControlModifier);
    const int before = d.form.calculations();
    d.paste(pasted);
    QCOMPARE(d.text(list), pasted);
    QCOMPARE(d.form.calculations(), before + 1);
    if (end == 0)
        d.key(Qt::Key_Return, QStringLiteral("\r"));
    else if (end == 1)
        d.key(Qt::Key_Tab, QStringLiteral("\t"));
    else
        d.focus("Текст2");
    QVERIFY(d.edit(list)->hasFocus() == (end == 0));
    QCOMPARE(d.form.calculations(), before + 1);
    QCOMPARE(d.text("Комбо6"), brand);
    QCOMPARE(d.staleOutput(), QString());
}

// A composition is shown while it lasts; only its commit can become the text.
void TstKeys::preeditNeverBecomesText()
{
    FormDriver d(ru);
    QApplication::setCursorFlashTime(0); // a steady cursor, so that pictures compare
    d.focus("Текст2");
    d.end();
    d.compose(QStringLiteral("5"));
    QCOMPARE(d.text("Текст2"), QStringLiteral("1000"));
    // A composition with a character the field refuses is not shown, not even in part
    // or as the composition it follows: the field looks as it does with no composition.
    QLineEdit *length = d.get<QLineEdit>("Текст2");
    d.compose(QString());
    QTest::qWait(50);
    const QImage shown = length->grab().toImage();
    d.compose(QStringLiteral("5")); // refused next, it takes the shown "5" with it
    d.compose(QStringLiteral("5x"));
    QCOMPARE(d.text("Текст2"), QStringLiteral("1000"));
    QCOMPARE(length->grab().toImage(), shown);
    d.compose(QString(), QStringLiteral("5"));
    QCOMPARE(d.text("Текст2"), QStringLiteral("10005"));

    d.focus("Комбо1");
    d.compose(QStringLiteral("7"));
    d.focus("Текст2");
    QCOMPARE(d.text("Комбо1"), QStringLiteral("5"));
    QCOMPARE(d.staleOutput(), QString());
}

// Keys that change no text work in every field, the result's included.
void TstKeys::copyAndSelectAll_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Qt::Key>("copyKey");
    QTest::addColumn<QString>("copyText");
    QTest::addColumn<Qt::KeyboardModifiers>("copyModifiers");
    for (const auto &[field, start] : fields) {
        QTest::addRow("%s: Ctrl+C", field) << QString::fromUtf8(field) << Qt::Key_C << "\x03"
                                           << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::addRow("%s: Ctrl+Insert", field)
            << QString::fromUtf8(field) << Qt::Key_Insert << QString()
            << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
}

void TstKeys::copyAndSelectAll()
{
    QFETCH(QString, field);
    QFETCH(Qt::Key, copyKey);
    QFETCH(QString, copyText);
    QFETCH(Qt::KeyboardModifiers, copyModifiers);
    FormDriver d(ru);
    QGuiApplication::clipboard()->setText(QStringLiteral("older"));
    d.focus(field);
    d.end();
    const QString shown = d.text(field);
    d.key(Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
    QVERIFY(d.edit(field)->hasSelectedText());
    d.key(copyKey, copyText, copyModifiers);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    QCOMPARE(d.text(field), shown);
}

// Neither the context menu, nor Shift+Insert, nor a drop, nor the selection's middle
// click puts text into the result; the user's own deletions stay.
void TstKeys::resultTakesNoPaste()
{
    // A desktop's theme gives menus a face of their own; the window's menus keep the
    // window's face.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 20), "QMenu");
    FormDriver d(ru);
    QLineEdit *result = d.get<QLineEdit>("Текст3");
    QVERIFY(!result->acceptDrops());
    QGuiApplication::clipboard()->setText(QStringLiteral("0,5"));
    QGuiApplication::clipboard()->setText(QStringLiteral("0,5"), QClipboard::Selection);
    d.focus("Текст3");
    d.end();
    d.paste(QStringLiteral("0,5"));
    QTest::mouseClick(result, Qt::MiddleButton, {}, result->rect().center());
    QCOMPARE(d.result(), QStringLiteral("0,226"));

    // The context menu offers no paste, but copying, with the shortcuts shown and with
    // them hidden (as KDE can set it).
    for (const bool hidden : {false, true}) {
        QCoreApplication::setAttribute(Qt::AA_DontShowShortcutsInContextMenus, hidden);
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, result->rect().center(),
                                    result->mapToGlobal(result->rect().center()));
        QCoreApplication::sendEvent(result, &menuEvent);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        // In the window's face, as the window's own controls.
        QCOMPARE(menu->font().pixelSize(), d.form.font().pixelSize());
        QCOMPARE(menu->font().bold(), d.form.font().bold());
        QStringList offered;
        for (const QAction *action : menu->actions())
            offered << action->text().section(u'\t', 0, 0);
        // Closed, the menu is gone: a right click leaves nothing behind.
        const QPointer<QMenu> closed = menu;
        menu->close();
        QTRY_VERIFY(closed.isNull());
        QVERIFY2(!offered.contains(QLineEdit::tr("&Paste")), qPrintable(offered.join(u'|')));
        QVERIFY2(offered.contains(QLineEdit::tr("&Copy")), qPrintable(offered.join(u'|')));
    }
    QCoreApplication::setAttribute(Qt::AA_DontShowShortcutsInContextMenus, false);

    // Whatever reaches the result's text by a path of its own is taken back; a deletion
    // empties it whole, never leaving a part of the mass as another number.
    result->selectAll();
    result->insert(QStringLiteral("9"));
    QCOMPARE(d.result(), QStringLiteral("0,226"));
    d.end();
    d.key(Qt::Key_Left, QString());
    d.key(Qt::Key_Left, QString());
    d.backspace();
    QCOMPARE(d.result(), QString());
    // ОЗЛ-7 has АНО-3's coefficient: the pick still shows the mass again.
    QVERIFY(d.pick("Комбо5", QStringLiteral("антикоррозионные ответственные")));
    QCOMPARE(d.result(), QStringLiteral("0,226"));
    d.focus("Текст3");
    d.key(Qt::Key_Home, QString());
    d.key(Qt::Key_Delete, QString());
    QCOMPARE(d.result(), QString());
}

void TstKeys::inputMethodHints()
{
    FormDriver d(ru);
    QCOMPARE(d.get<QLineEdit>("Текст2")->inputMethodHints(), Qt::ImhDigitsOnly);
    for (const char *name : {"Комбо1", "Комбо5", "Комбо6", "Текст3"})
        QVERIFY2(!d.edit(QString::fromUtf8(name))->testAttribute(Qt::WA_InputMethodEnabled), name);
    QVERIFY(d.get<QLineEdit>("Текст2")->testAttribute(Qt::WA_InputMethodEnabled));
}

// The length field's standard context menu speaks the user's language.
void TstKeys::toolkitTextsInRussian()
{
    // Where the system keeps the toolkit's translations.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_ru.qm")))
        QSKIP("the toolkit's Russian translation is not installed");
    QTranslator translator;
    QVERIFY(toolkittexts::install(translator, ru));
    FormDriver d(ru);
    QMenu *menu = d.get<QLineEdit>("Текст2")->createStandardContextMenu();
    QStringList offered;
    for (const QAction *action : menu->actions())
        offered << action->text();
    delete menu;
    QCoreApplication::removeTranslator(&translator);
    const QString all = offered.join(u'|');
    QVERIFY2(all.contains(QStringLiteral("&Отменить действие")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("&Копировать")), qPrintable(all));
}

void TstKeys::onlyMySymbols()
{
    FormWindow form(ru);
    const char16_t comma = u',', point = u'.', backspace = 8, zero = 0;
    QCOMPARE(form.OnlyMySymbols(comma, u"1234567890,"), comma);
    QCOMPARE(form.OnlyMySymbols(point, u"1234567890,"), char16_t(0));
    QCOMPARE(form.OnlyMySymbols(backspace, u""), backspace);
    QCOMPARE(form.OnlyMySymbols(zero, u"1234567890"), char16_t(0));
}

QTEST_MAIN(TstKeys)
#include "tst_keys.moc"
