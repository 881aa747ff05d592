// Typed characters reach a field only when the field takes them. The keys are sent
// to the window as the window system sends them, so they arrive where real keys do.

#include "formdriver.h"

class TstKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typed_data();
    void typed();
    void keysWithoutCharacter();
    void pasteIsNotFiltered();
    void onlyMySymbols();
};

namespace {
const QLocale ru(QLocale::Russian, QLocale::Russia);
}

void TstKeys::typed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("after"); // the field's text afterwards

    const Qt::KeyboardModifiers none;
    const auto rows = [&](const char *field, const char *start) {
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
        row("backspace", Qt::Key_Backspace, "\b", none, s.chopped(1));
    };
    rows("Комбо1", "5");
    rows("Комбо2", "Н1");
    rows("Комбо3", "Нижнее");
    rows("Комбо4", "сплошной");
    rows("Комбо5", "вспомогательные конструкции");
    rows("Комбо6", "АНО-3");
    rows("Текст2", "1000");
    rows("Текст3", "0,226");
}

void TstKeys::typed()
{
    QFETCH(QString, field);
    QFETCH(Qt::Key, key);
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, after);
    FormDriver d(ru);
    d.focus(field);
    d.end();
    const int before = d.form.calculations();
    d.key(key, text, modifiers);
    QCOMPARE(d.text(field), after);
    // The lists and the result do not start a calculation on a refused key.
    if (after == d.text(field) && text != QStringLiteral("\b") && field != QStringLiteral("Текст2"))
        QCOMPARE(d.form.calculations(), before);
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

// Text that arrives without a typed character is not filtered.
void TstKeys::pasteIsNotFiltered()
{
    FormDriver d(ru);
    d.get<QLineEdit>("Текст2")->selectAll();
    d.get<QLineEdit>("Текст2")->insert(QStringLiteral("12,5"));
    QCOMPARE(d.text("Текст2"), QStringLiteral("12,5"));
    QCOMPARE(d.result(), QStringLiteral("0,003"));
}

void TstKeys::onlyMySymbols()
{
    Форма1 form(ru);
    const char16_t comma = u',', point = u'.', backspace = 8, zero = 0;
    QCOMPARE(form.OnlyMySymbols(comma, u"1234567890,"), comma);
    QCOMPARE(form.OnlyMySymbols(point, u"1234567890,"), char16_t(0));
    QCOMPARE(form.OnlyMySymbols(backspace, u""), backspace);
    QCOMPARE(form.OnlyMySymbols(zero, u"1234567890"), char16_t(0));
}

QTEST_MAIN(TstKeys)
#include "tst_keys.moc"
