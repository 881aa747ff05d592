// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Start-up and the wiring of user actions to the window's procedures, with their real
// bodies, in a Russian and an English locale.

#include "formdriver.h"

#include "app/toolkittexts.h"

#include <QAbstractItemView>
#include <QEventLoop>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

class TstStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedTextsBeforeLoad();
    void afterLoad_data();
    void afterLoad();
    void pickArea_data();
    void pickArea();
    void pickSameAreaResetsBrand();
    void pickBrand_data();
    void pickBrand();
    void pickInputs_data();
    void pickInputs();
    void drawingFollowsJoint_data();
    void drawingFollowsJoint();
    void lengthEdits();
    void listEditsRecompute_data();
    void listEditsRecompute();
    void failedCalculationEmptiesResult();
    void exitButtonEndsTheProgram();
    void keysOnExitButton_data();
    void keysOnExitButton();
    void leftToRightAlways_data();
    void leftToRightAlways();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
const QLocale en(QLocale::English, QLocale::UnitedStates);
const QLocale ar(QLocale::Arabic, QLocale::Egypt);
const QLocale fa(QLocale::Persian, QLocale::Iran);
} // namespace

void TstStartup::storedTextsBeforeLoad()
{
    FormWindow form(ru);
    QCOMPARE(form.findChild<QComboBox *>(QStringLiteral("Комбо6"))->currentText(),
             QStringLiteral("Комбо6"));
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Метка10"))->text(),
             QStringLiteral("Метка10"));
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Метка13"))->text(),
             QStringLiteral("Метка13"));
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Текст3"))->text(),
             QStringLiteral("Текст3"));
    QCOMPARE(form.calculations(), 0);
}

void TstStartup::afterLoad_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("result");
    QTest::newRow("ru") << ru << "0,226";
    QTest::newRow("en") << en << "0.226";
    // Digits of their own in the locale; the fields keep ASCII ones.
    QTest::newRow("ar_EG") << ar << "0" + ar.decimalPoint() + "226";
    QTest::newRow("fa_IR") << fa << "0" + fa.decimalPoint() + "226";
}

void TstStartup::afterLoad()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, result);
    FormDriver d(locale);
    QCOMPARE(d.text("Комбо1"), QStringLiteral("5"));
    QCOMPARE(d.text("Комбо2"), QStringLiteral("Н1"));
    QCOMPARE(d.text("Комбо3"), QStringLiteral("Нижнее"));
    QCOMPARE(d.text("Комбо4"), QStringLiteral("сплошной"));
    QCOMPARE(d.text("Комбо5"), QStringLiteral("вспомогательные конструкции"));
    QCOMPARE(d.text("Метка10"),
             QStringLiteral("Сварка вспомогательных конструкций из углеродистых сталей"));
    QCOMPARE(d.text("Комбо6"), QStringLiteral("АНО-3"));
    QCOMPARE(d.items("Комбо6"),
             (QStringList{"АНО-1", "АНО-3", "АНО-4", "АНО-5", "АНО-6", "ВСЦ-2"}));
    QCOMPARE(d.text("Метка13"), QStringLiteral("Э46"));
    QCOMPARE(d.text("Текст1"), QStringLiteral("1,6"));
    QCOMPARE(d.text("Текст2"), QStringLiteral("1000"));
    QCOMPARE(d.result(), result);
    QVERIFY(d.pictureIs("Н1"));
}

void TstStartup::pickArea_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("calculations"); // how often the mass was worked out
    QTest::newRow("load-bearing") << "несущие конструкции" << 17 << "МР-3"
                                  << "Э46"
                                  << "0,24" << 1;
    QTest::newRow("simple corrosion") << "антикоррозионные простые" << 1 << "ОЗЛ-8"
                                      << "Э-07Х20Н9"
                                      << "0,226" << 1;
    QTest::newRow("critical corrosion") << "антикоррозионные ответственные" << 4 << "ОЗЛ-7"
                                        << "Э-08Х20Н9Г2Б"
                                        << "0,226" << 1;
}

// The mass follows the area only through the coefficient's write, once, also where the
// coefficient's text stays the same.
void TstStartup::pickArea()
{
    QFETCH(QString, area);
    QFETCH(int, count);
    QFETCH(QString, brand);
    QFETCH(QString, type);
    QFETCH(QString, result);
    QFETCH(int, calculations);
    FormDriver d(ru);
    const int before = d.form.calculations();
    QVERIFY(d.pick("Комбо5", area));
    QCOMPARE(d.items("Комбо6").size(), count);
    QCOMPARE(d.text("Комбо6"), brand);
    QCOMPARE(d.text("Метка13"), type);
    QCOMPARE(d.result(), result);
    QCOMPARE(d.form.calculations() - before, calculations);
    QVERIFY(d.text("Метка10").endsWith(QStringLiteral("коррозии")) ==
            area.startsWith(QStringLiteral("анти")));
}

void TstStartup::pickSameAreaResetsBrand()
{
    FormDriver d(ru);
    QVERIFY(d.pick("Комбо6", "АНО-1"));
    QCOMPARE(d.text("Метка13"), QStringLiteral("Э42"));
    QCOMPARE(d.result(), QStringLiteral("0,212"));
    QVERIFY(d.pick("Комбо5", "вспомогательные конструкции"));
    QCOMPARE(d.text("Комбо6"), QStringLiteral("АНО-3"));
    QCOMPARE(d.items("Комбо6").size(), 6);
    QCOMPARE(d.result(), QStringLiteral("0,226"));
}

void TstStartup::pickBrand_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("result");
    QTest::newRow("ЦЛ-11") << "антикоррозионные ответственные"
                           << "ЦЛ-11"
                           << "Э-08Х20Н9Г2Б"
                           << "1,8"
                           << "0,254";
    QTest::newRow("УОНИ-13/45") << "несущие конструкции"
                                << "УОНИ-13/45"
                                << "Э42А"
                                << "1,4"
                                << "0,198";
    QTest::newRow("УОНИ-13/55") << "несущие конструкции"
                                << "УОНИ-13/55"
                                << "Э50А"
                                << "1,4"
                                << "0,198";
    QTest::newRow("same coefficient") << "несущие конструкции"
                                      << "РБУ-5"
                                      << "Э46"
                                      << "1,7"
                                      << "0,24";
}

void TstStartup::pickBrand()
{
    QFETCH(QString, area);
    QFETCH(QString, brand);
    QFETCH(QString, type);
    QFETCH(QString, coefficient);
    QFETCH(QString, result);
    FormDriver d(ru);
    QVERIFY(d.pick("Комбо5", area));
    QVERIFY(d.pick("Комбо6", brand));
    QCOMPARE(d.text("Метка13"), type);
    QCOMPARE(d.get<QLabel>("Метка13")->accessibleName(), QStringLiteral("Тип электрода: ") + type);
    QCOMPARE(d.text("Текст1"), coefficient);
    QCOMPARE(d.result(), result);
}

void TstStartup::pickInputs_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("joint");
    QTest::newRow("leg 10") << "Комбо1"
                            << "10"
                            << "0,838"
                            << "Н1";
    QTest::newRow("joint Н2") << "Комбо2"
                              << "Н2"
                              << "0,452"
                              << "Н2";
    QTest::newRow("joint У5") << "Комбо2"
                              << "У5"
                              << "0,287"
                              << "У5";
    QTest::newRow("overhead") << "Комбо3"
                              << "Потолочное"
                              << "0,271"
                              << "Н1";
    QTest::newRow("intermittent") << "Комбо4"
                                  << "прерывистый"
                                  << "0,113"
                                  << "Н1";
}

void TstStartup::pickInputs()
{
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, result);
    QFETCH(QString, joint);
    FormDriver d(ru);
    const int before = d.form.calculations();
    QVERIFY(d.pick(list, item));
    QCOMPARE(d.form.calculations() - before, 1);
    QCOMPARE(d.result(), result);
    QVERIFY(d.pictureIs(joint));
}

// The drawing belongs to the joint's text alone: in every state of the leg, the empty
// result included.
void TstStartup::drawingFollowsJoint_data()
{
    QTest::addColumn<int>("backspaces"); // in the leg list, before the pick
    QTest::addColumn<QString>("leg");
    QTest::addColumn<QString>("joint");
    for (const char *joint : {"Н1", "Н2", "Т1", "Т3", "У4", "У5"}) {
        QTest::addRow("leg 5, %s", joint) << 0 << "5" << QString::fromUtf8(joint);
        QTest::addRow("leg erased, %s", joint) << 1 << "" << QString::fromUtf8(joint);
    }
}

void TstStartup::drawingFollowsJoint()
{
    QFETCH(int, backspaces);
    QFETCH(QString, leg);
    QFETCH(QString, joint);
    FormDriver d(ru);
    d.focus("Комбо1");
    d.end();
    d.backspace(backspaces);
    QCOMPARE(d.text("Комбо1"), leg);
    QVERIFY(d.pick("Комбо2", joint));
    QVERIFY(d.pictureIs(joint));
    QCOMPARE(d.get<QLabel>("Рисунок1")->accessibleName(),
             QStringLiteral("Чертеж соединения ") + joint);
    QCOMPARE(d.get<QLabel>("Рисунок1")->accessibleDescription(),
             QStringLiteral("Тип соединения ") + joint);
    QCOMPARE(d.staleOutput(), QString());
}

// Every keystroke in the length recomputes; the empty length empties the result.
void TstStartup::lengthEdits()
{
    FormDriver d(ru);
    d.focus("Текст2");
    d.end();
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        d.backspace();
        shown << d.text("Текст2") + " " + d.result();
    }
    QCOMPARE(shown, (QStringList{"100 0,023", "10 0,002", "1 0", " "}));
    d.type("2500");
    QCOMPARE(d.result(), QStringLiteral("0,565"));

    // A mass longer than its field shows its first digits, never only its last ones.
    d.backspace(4);
    d.type("9999999999999999");
    QCOMPARE(d.result(), QStringLiteral("2258823529411,77"));
    auto *result = d.get<QLineEdit>("Текст3");
    QCOMPARE(result->cursorPosition(), 0);
    QVERIFY(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < result->width() / 4);
}

// A user's edit of a list's text applies like a pick: backspace, delete, paste, drop
// and the selection's middle click alike. A text that names nothing has no mass, an
// area that names none no description, a brand that names none no type. The result
// takes no middle click, and the mouse selects its whole text with a triple click, as
// in any box.
void TstStartup::listEditsRecompute_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("how");  // backspace, delete, paste, drop, middle, triple click
    QTest::addColumn<QString>("text"); // pasted, dropped or selected
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("result");

    const auto rows = [](const char *list, const char *tag, const QString &byBackspace,
                         const QString &pasted, const QString &type, const QString &result) {
        const QString l = QString::fromUtf8(list);
        QTest::addRow("%s backspace", tag)
            << l << "backspace" << QString() << byBackspace << type << result;
        QTest::addRow("%s paste", tag) << l << "paste" << pasted << pasted << type << result;
        QTest::addRow("%s drop", tag) << l << "drop" << pasted << pasted << type << result;
        QTest::addRow("%s middle click", tag)
            << l << "middle" << pasted << pasted << type << result;
    };
    rows("Комбо1", "leg 10 to 1", "1", "1", "Э46", "");
    rows("Комбо2", "joint Н1 to Н", "Н", "Н", "Э46", "");
    rows("Комбо3", "position", "Нижне", "Нижне", "Э46", "");
    rows("Комбо4", "seam", "сплошно", "сплошно", "Э46", "");
    // An area that names none takes the last brand list and its default brand.
    rows("Комбо5", "area", "вспомогательные конструкци", "вспомогательные конструкци",
         QStringLiteral("Э-08Х20Н9Г2Б"), "0,226");
    rows("Комбо6", "brand", "АНО-", "АНО-", "", "");
    QTest::newRow("brand ЦЛ-11 pasted") << "Комбо6"
                                        << "paste"
                                        << "ЦЛ-11"
                                        << "ЦЛ-11" << QStringLiteral("Э-08Х20Н9Г2Б") << "0,254";
    QTest::newRow("brand УОНИ-13/45 dropped") << "Комбо6"
                                              << "drop"
                                              << "УОНИ-13/45"
                                              << "УОНИ-13/45" << QStringLiteral("Э42А") << "0,198";
    QTest::newRow("area несущие pasted") << "Комбо5"
                                         << "paste"
                                         << "несущие конструкции"
                                         << "несущие конструкции"
                                         << "Э46"
                                         << "0,24";
    QTest::newRow("length -1000 pasted") << "Текст2"
                                         << "paste"
                                         << "-1000"
                                         << "-1000"
                                         << "Э46"
                                         << "";
    QTest::newRow("length -0,5 dropped") << "Текст2"
                                         << "drop"
                                         << "-0,5"
                                         << "-0,5"
                                         << "Э46"
                                         << "";
    QTest::newRow("length -0 pasted") << "Текст2"
                                      << "paste"
                                      << "-0"
                                      << "-0"
                                      << "Э46"
                                      << "0";
    QTest::newRow("result middle click") << "Текст3"
                                         << "middle"
                                         << "0,5"
                                         << "0,226"
                                         << "Э46"
                                         << "0,226";
    QTest::newRow("result selected by a triple click") << "Текст3"
                                                       << "triple click"
                                                       << "0,226"
                                                       << "0,226"
                                                       << "Э46"
                                                       << "0,226";
}

void TstStartup::listEditsRecompute()
{
    QFETCH(QString, list);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, edited);
    QFETCH(QString, type);
    QFETCH(QString, result);
    FormDriver d(ru);
    if (list == QStringLiteral("Комбо1"))
        QVERIFY(d.pick(list, "10"));
    QLineEdit *edit = d.edit(list);
    d.focus(list);
    d.end();
    if (how == QStringLiteral("backspace")) {
        d.backspace();
    } else if (how == QStringLiteral("paste")) {
        edit->selectAll();
        d.paste(text);
    } else if (how == QStringLiteral("drop")) {
        edit->clear();
        d.drop(list, text);
    } else if (how == QStringLiteral("middle")) {
        // The X selection's middle click: where there is no selection clipboard, a field
        // that takes pastes gets the same paste from it; the result gets the click.
        const bool takesPastes = edit->acceptDrops();
        if (takesPastes)
            edit->clear();
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        if (QGuiApplication::clipboard()->supportsSelection() || !takesPastes)
            QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().center());
        else
            edit->insert(text);
    } else if (how == QStringLiteral("triple click")) {
        QTest::mouseDClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QCOMPARE(edit->selectedText(), text);
    }
    QCOMPARE(d.text(list), edited);
    QCOMPARE(d.text("Метка13"), type);
    QCOMPARE(d.result(), result);
    QCOMPARE(d.staleOutput(), QString());
    QVERIFY(d.pictureIs("Н1"));
}

// A coefficient that is no number must not leave the older mass on show.
void TstStartup::failedCalculationEmptiesResult()
{
    FormDriver d(ru);
    QCOMPARE(d.result(), QStringLiteral("0,226"));
    // Edited as the user would, though the field is never shown.
    auto *coefficient = d.get<QLineEdit>("Текст1");
    coefficient->selectAll();
    coefficient->insert(QStringLiteral("1,,7"));
    QCOMPARE(d.result(), QString());
    coefficient->selectAll();
    coefficient->insert(QStringLiteral("1,6"));
    QCOMPARE(d.result(), QStringLiteral("0,226"));
}

void TstStartup::exitButtonEndsTheProgram()
{
    FormDriver d(ru);
    QEventLoop loop;
    QTimer::singleShot(0, &d.form, [&] { QTest::mouseClick(d.get("Комманда1"), Qt::LeftButton); });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
}

// Space, Enter and keypad Enter on the focused button press it, as a click does;
// other keys do not.
void TstStartup::keysOnExitButton_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("presses");
    const Qt::KeyboardModifiers none;
    QTest::newRow("Space") << Qt::Key_Space << " " << none << 1;
    QTest::newRow("Enter") << Qt::Key_Return << "\r" << none << 1;
    QTest::newRow("keypad Enter") << Qt::Key_Enter << "\r"
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1;
    QTest::newRow("Ctrl+Enter") << Qt::Key_Return << "\r"
                                << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
    QTest::newRow("Escape") << Qt::Key_Escape << "\x1b" << none << 0;
    QTest::newRow("letter") << Qt::Key_A << "a" << none << 0;
}

void TstStartup::keysOnExitButton()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, presses);
    FormDriver d(ru);
    QSignalSpy clicked(d.get<QPushButton>("Комманда1"), &QPushButton::clicked);
    d.focus("Комманда1");
    d.key(key, text, modifiers);
    QCOMPARE(clicked.count(), presses);
}

// The layout is absolute: neither the toolkit's -reverse nor a right-to-left language
// of its own texts mirrors the window or its lists.
void TstStartup::leftToRightAlways_data()
{
    QTest::addColumn<QString>("language"); // of the toolkit's texts, installed after
    QTest::addColumn<bool>("reverse");     // the application right to left before
    QTest::newRow("-reverse") << QString() << true;
    QTest::newRow("Hebrew") << "he" << false;
    QTest::newRow("Arabic") << "ar" << false;
    QTest::newRow("Persian after -reverse") << "fa" << true;
}

void TstStartup::leftToRightAlways()
{
    QFETCH(QString, language);
    QFETCH(bool, reverse);
    if (reverse)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    FormDriver d(ru);
    QTranslator translator;
    if (!language.isEmpty()) {
        if (!toolkittexts::install(translator, QLocale(language)))
            QSKIP("the toolkit's translation is not installed");
        QCoreApplication::processEvents(); // the language change
    }
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(d.form.layoutDirection(), Qt::LeftToRight);
    for (const char *list : {"Комбо1", "Комбо5", "Комбо6"}) {
        auto *combo = d.get<QComboBox>(list);
        combo->showPopup();
        QCOMPARE(combo->view()->window()->layoutDirection(), Qt::LeftToRight);
        combo->hidePopup();
        QCOMPARE(combo->layoutDirection(), Qt::LeftToRight);
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
