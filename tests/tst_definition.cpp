// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window as it is created, before Load: its controls, their kinds, containers,
// geometry, stored texts and item lists, the look, the fonts and the tab order.

#include "app/window/formwindow.h"
#include "app/window/look.h"
#include "app/window/qtext.h"
#include "form/definition.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <algorithm>

class TstDefinition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window();
    void control_data();
    void control();
    void items_data();
    void items();
    void hiddenControls();
    void captionsFit_data();
    void captionsFit();
    void look_data();
    void look();
    void doubleRule();
    void ownColours_data();
    void ownColours();
    void ownStyle();
    void popupsUseTheWindowFace();
    void pictureBoxMarksItsFocus();
    void windowsFaceFirst();
    void panose_data();
    void panose();
    void tabOrder();
    void accessibleNames_data();
    void accessibleNames();
};

namespace {

const QLocale ru(QLocale::Russian, QLocale::Russia);

QWidget *find(FormWindow &form, const QString &name)
{
    return form.findChild<QWidget *>(name);
}

} // namespace

void TstDefinition::window()
{
    FormWindow form(ru);
    QCOMPARE(form.objectName(), QStringLiteral("Форма1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Орвела"));
    QCOMPARE(form.size(), QSize(447, 408));
    QCOMPARE(form.minimumSize(), form.maximumSize()); // cannot be resized
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 255, 192));
    const QList<QWidget *> all =
        form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    // 29 controls stand on the window itself, three inside the frame
    int named = 0;
    for (const definition::Control &c : definition::controls)
        named += find(form, qtext::toQt(c.name)) != nullptr;
    QCOMPARE(named, 32);
    QCOMPARE(int(all.size()), 29);
}

void TstDefinition::control_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, const char *cls, const char *parent, QRect g,
                        const char *text) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(cls)
                            << QString::fromUtf8(parent) << g << QString::fromUtf8(text);
    };
    row("Комбо6", "QComboBox", "Форма1", {96, 168, 113, 24}, "Комбо6");
    row("Рамка1", "QFrame", "Форма1", {8, 40, 425, 113}, "");
    row("Комбо5", "QComboBox", "Рамка1", {120, 16, 297, 24}, "Комбо5");
    row("Метка9", "QLabel", "Рамка1", {8, 16, 105, 33}, "Область применения");
    row("Метка10", "QLabel", "Рамка1", {8, 48, 410, 65}, "Метка10");
    row("Комбо4", "QComboBox", "Форма1", {160, 296, 129, 24}, "Комбо4");
    row("Комманда1", "QPushButton", "Форма1", {328, 376, 105, 25}, "Выход");
    row("Рисунок1", "QLabel", "Форма1", {304, 200, 129, 97}, "");
    row("Комбо3", "QComboBox", "Форма1", {136, 264, 153, 24}, "Комбо3");
    row("Текст3", "QLineEdit", "Форма1", {184, 376, 105, 25}, "Текст3");
    row("Текст2", "QLineEdit", "Форма1", {256, 329, 105, 24}, "Текст2");
    row("Текст1", "QLineEdit", "Форма1", {360, 328, 81, 25}, "Текст1");
    row("Комбо2", "QComboBox", "Форма1", {232, 233, 57, 24}, "Комбо2");
    row("Комбо1", "QComboBox", "Форма1", {232, 201, 57, 24}, "Комбо1");
    row("Метка13", "QLabel", "Форма1", {304, 168, 129, 25}, "Метка13");
    row("Метка12", "QLabel", "Форма1", {216, 160, 81, 41}, "Тип электрода");
    row("Метка11", "QLabel", "Форма1", {8, 160, 89, 41}, "Марка электрода");
    row("Строка2", "QWidget", "Форма1", {8, 365, 425, 1}, "");
    row("Метка8", "QLabel", "Форма1", {8, 304, 153, 25}, "Шов . . . . . . . . . . . . . . .");
    row("Строка1", "QWidget", "Форма1", {8, 368, 425, 1}, "");
    row("И_У5", "QLabel", "Форма1", {-16, -16, 120, 95}, "");
    row("И_Н1", "QLabel", "Форма1", {-16, -16, 120, 95}, "");
    row("Метка7", "QLabel", "Форма1", {8, 272, 129, 17}, "Положение . . . . . .");
    row("Метка6", "QLabel", "Форма1", {0, 8, 441, 33}, "Ориентировочный расчет электродов");
    row("Метка5", "QLabel", "Форма1", {8, 383, 169, 25}, "Масса электродов,  кг");
    row("Метка4", "QLabel", "Форма1", {8, 336, 249, 25}, "Общая длина сварных швов, мм");
    row("Метка2", "QLabel", "Форма1", {8, 240, 225, 25}, "Тип соединения . . . . . . . . . . . . ");
    row("Метка1", "QLabel", "Форма1", {8, 208, 217, 17},
        "Катет шва  . . . . . . . . . . . . . . . . .");
}

void TstDefinition::control()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    FormWindow form(ru);
    QWidget *w = find(form, name);
    QVERIFY(w);
    if (className == QLatin1String("QWidget"))
        QVERIFY(!w->inherits("QFrame") && !w->inherits("QLabel"));
    else
        QVERIFY2(w->inherits(className.toLatin1()), w->metaObject()->className());
    QCOMPARE(w->parentWidget()->objectName(), parentName);
    QCOMPARE(w->geometry(), geometry);

    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentText(), text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        QCOMPARE(button->text(), text);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        QCOMPARE(label->text(), text);
    }
}

void TstDefinition::items_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("leg sizes") << "Комбо1" << QStringList{"2",  "3",  "4",  "5",  "6",  "8",
                                                          "10", "12", "14", "16", "18", "20"};
    QTest::newRow("joints") << "Комбо2" << QStringList{"Н1", "Н2", "Т1", "Т3", "У4", "У5"};
    QTest::newRow("positions") << "Комбо3"
                               << QStringList{"Нижнее", "Наклонное", "Вертикальное",
                                              "Горизонтальное", "Потолочное"};
    QTest::newRow("seams") << "Комбо4" << QStringList{"сплошной", "прерывистый"};
    QTest::newRow("areas") << "Комбо5"
                           << QStringList{"вспомогательные конструкции", "несущие конструкции",
                                          "антикоррозионные простые",
                                          "антикоррозионные ответственные"};
    QTest::newRow("brands start empty") << "Комбо6" << QStringList{};
}

void TstDefinition::items()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    FormWindow form(ru);
    auto *combo = form.findChild<QComboBox *>(name);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i)
        actual << combo->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    // Nothing completes typed text: the list's text is only what was picked or kept.
    QCOMPARE(combo->completer(), nullptr);
    QCOMPARE(combo->lineEdit()->completer(), nullptr);
}

void TstDefinition::hiddenControls()
{
    FormWindow form(ru);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *coefficient = find(form, QStringLiteral("Текст1"));
    QVERIFY(!coefficient->isVisible());
    QCOMPARE(coefficient->focusPolicy(), Qt::NoFocus);
    for (const char16_t *joint : {u"Н1", u"Н2", u"Т1", u"Т3", u"У4", u"У5"}) {
        auto *image = form.findChild<QLabel *>(QStringLiteral("И_") + QString::fromUtf16(joint));
        QVERIFY(image);
        QVERIFY(!image->isVisible());
        QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), QSize(120, 95));
    }
    QVERIFY(form.findChild<QLabel *>(QStringLiteral("Рисунок1"))->pixmap().isNull());
}

// Every caption fits its label: the one-line captions on one line, the others within
// the label's height.
void TstDefinition::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    for (const definition::Control &c : definition::controls) {
        if (c.kind != definition::Kind::Label || c.text.starts_with(u"Метка"))
            continue;
        const bool twoLines = c.name == u"Метка9" || c.name == u"Метка11" || c.name == u"Метка12";
        QTest::newRow(qtext::toQt(c.name).toUtf8().constData())
            << qtext::toQt(c.name) << (twoLines ? 2 : 1);
    }
    QTest::newRow("longest area description") << QStringLiteral("Метка10") << 4;
}

void TstDefinition::captionsFit()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    FormWindow form(ru);
    auto *label = form.findChild<QLabel *>(name);
    QString text = label->text();
    if (name == QStringLiteral("Метка10"))
        text =
            QStringLiteral("Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, "
                           "когда к металлу шва не предъявляют жесткие требования стойкости к "
                           "межкристаллической коррозии");
    const QFontMetrics fm(label->font());
    const QRect needed =
        fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
    // The lines the label lays out; their unrounded heights may add up to a pixel more.
    const int shown = qRound(needed.height() / QFontMetricsF(label->font()).lineSpacing());
    QVERIFY2(shown <= lines, qPrintable(label->font().family()));
    QVERIFY2(needed.height() <= label->height(), qPrintable(QString::number(needed.height())));
    if (lines == 1)
        QVERIFY2(fm.horizontalAdvance(text) <= label->width(),
                 qPrintable(QString::number(fm.horizontalAdvance(text))));

    // Drawn from outlines, and bold: with more ink than the caption in the regular weight.
    QVERIFY2(QFontDatabase::isSmoothlyScalable(QFontInfo(label->font()).family()),
             qPrintable(QFontInfo(label->font()).family()));
    const auto ink = [label, &text] {
        label->setText(text);
        const QImage shot = label->grab().toImage();
        int background = 0; // the lightest grey: no text is lighter than its ground
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                background = std::max(background, qGray(shot.pixel(x, y)));
        qint64 sum = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                sum += background - qGray(shot.pixel(x, y));
        return sum;
    };
    const qint64 bold = ink();
    QFont regular = label->font();
    regular.setWeight(QFont::Normal);
    label->setFont(regular);
    const qint64 thin = ink();
    QVERIFY2(bold * 10 >= thin * 12, qPrintable(QStringLiteral("%1 / %2").arg(bold).arg(thin)));
}

void TstDefinition::look_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("frame") << "Рамка1" << int(QPalette::Window) << QColor(192, 255, 192);
    QTest::newRow("area caption") << "Метка9" << int(QPalette::WindowText) << QColor(255, 0, 0);
    QTest::newRow("exit button") << "Комманда1" << int(QPalette::Button) << QColor(255, 224, 192);
    QTest::newRow("result") << "Текст3" << int(QPalette::Text) << QColor(128, 0, 0);
    QTest::newRow("result caption") << "Метка5" << int(QPalette::WindowText) << QColor(128, 0, 0);
    QTest::newRow("title") << "Метка6" << int(QPalette::WindowText) << QColor(192, 0, 0);
}

void TstDefinition::look()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    FormWindow form(ru);
    form.Load();
    QCOMPARE(find(form, name)->palette().color(QPalette::ColorRole(role)), colour);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(255, 255, 215));
    // The window's own windows (the lists' popups, the context menus) take the
    // defined background from the application's palette.
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(192, 255, 192));

    auto *title = form.findChild<QLabel *>(QStringLiteral("Метка6"));
    QVERIFY(title->font().bold());
    QVERIFY(form.font().bold());
    if (qEnvironmentVariableIsEmpty("ELECTRODE_FALLBACK_FACE")) {
        QCOMPARE(title->font().pixelSize(), look::titleFontPixels);
        QCOMPARE(form.font().pixelSize(), look::fontPixels);
    } else { // a fallback face may be drawn smaller, so that every caption fits
        QVERIFY(form.font().pixelSize() <= look::fontPixels);
        QVERIFY(title->font().pixelSize() > form.font().pixelSize());
    }
    auto *type = form.findChild<QLabel *>(QStringLiteral("Метка13"));
    QCOMPARE(type->frameShape(), QFrame::Box);
    QCOMPARE(type->frameShadow(), QFrame::Plain);
    QCOMPARE(type->alignment(), Qt::AlignCenter);
}

void TstDefinition::doubleRule()
{
    FormWindow form(ru);
    QWidget *upper = find(form, QStringLiteral("Строка2"));
    QWidget *lower = find(form, QStringLiteral("Строка1"));
    QCOMPARE(lower->y() - upper->y(), 3);
    QCOMPARE(upper->height(), 1);
    QVERIFY(upper->autoFillBackground());
}

// A dark or high-contrast desktop scheme, set before the window is made or while it is
// shown, changes nothing on it: every control looks as under the light scheme.
void TstDefinition::ownColours_data()
{
    QTest::addColumn<QPalette>("scheme");
    QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    QTest::newRow("dark") << dark;
    QPalette contrast(Qt::black, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        contrast.setColor(role, Qt::yellow);
    contrast.setColor(QPalette::Highlight, Qt::cyan);
    QTest::newRow("high contrast") << contrast;
}

void TstDefinition::ownColours()
{
    QFETCH(QPalette, scheme);
    const QPalette desktop = QApplication::palette();
    const auto shot = [] {
        FormWindow form(ru);
        form.Load();
        return form.grab().toImage();
    };
    const QImage light = shot();

    QApplication::setPalette(scheme);
    const QImage madeUnderScheme = shot();
    FormWindow form(ru);
    form.Load();
    QApplication::setPalette(scheme);
    const QImage schemeChangedLater = form.grab().toImage();
    QApplication::setPalette(desktop);

    QCOMPARE(madeUnderScheme, light);
    QCOMPARE(schemeChangedLater, light);
    // Every control's own colours, disabled and inactive included, are the window's.
    for (QWidget *w : form.findChildren<QWidget *>())
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::Base,
                              QPalette::Button, QPalette::ButtonText, QPalette::Highlight})
                QVERIFY2(w->palette().color(group, role) != scheme.color(group, role) ||
                             look::palette().color(group, role) == scheme.color(group, role),
                         qPrintable(w->objectName()));
}

// The window's own style, whatever the desktop selected.
void TstDefinition::ownStyle()
{
    QApplication::setStyle(QStringLiteral("Windows"));
    FormWindow form(ru);
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    QCOMPARE(form.style()->name(), QStringLiteral("fusion"));
}

// The lists' popups and the context menus are windows of their own; they take the
// window's bold face too.
void TstDefinition::popupsUseTheWindowFace()
{
    // A desktop's theme gives the lists' items and views a face of their own.
    const QFont themes(QStringLiteral("DejaVu Serif"), 20);
    for (const char *kind : {"QComboMenuItem", "QAbstractItemView", "QListView", "QMenu"})
        QApplication::setFont(themes, kind);
    FormWindow form(ru);
    form.Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *list = form.findChild<QComboBox *>(QStringLiteral("Комбо3"));
    list->showPopup();
    const QFont shown = list->view()->font();
    list->hidePopup();
    QCOMPARE(shown.family(), form.font().family());
    QVERIFY(shown.bold());
    QCOMPARE(shown.pixelSize(), look::fontPixels);
}

// The picture box takes the focus, and shows it: a mark inside its border.
void TstDefinition::pictureBoxMarksItsFocus()
{
    FormWindow form(ru);
    form.Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form) || QTest::qWaitForWindowExposed(&form));
    QWidget *box = find(form, QStringLiteral("Рисунок1"));
    find(form, QStringLiteral("Текст2"))->setFocus();
    const QImage without = box->grab().toImage();
    box->setFocus(Qt::TabFocusReason);
    QVERIFY(box->hasFocus());
    const QImage with = box->grab().toImage();
    QVERIFY(with != without);
    // The mark lies inside the border: the border itself is unchanged.
    for (int x = 0; x < box->width(); ++x)
        QCOMPARE(with.pixel(x, 0), without.pixel(x, 0));
}

// The face the window definition asks for comes first wherever it is installed as a
// scalable face with Cyrillic, then its outline twin, as on Windows; then the faces the
// layout is measured in; without any of them, the fallback that the font set under
// test expects (a sans-serif face, where one fits).
void TstDefinition::windowsFaceFirst()
{
    FormWindow form(ru);
    QString expected;
    for (const char *name : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                             "DejaVu Sans Condensed"}) {
        const QString family = QString::fromLatin1(name);
        if (expected.isEmpty() && QFontDatabase::hasFamily(family) &&
            QFontDatabase::isSmoothlyScalable(family) &&
            QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic))
            expected = family;
    }
    qInfo("window face %s, stretch %d, %d px", qPrintable(form.font().family()),
          form.font().stretch(), form.font().pixelSize());
    if (expected.isEmpty())
        expected = qEnvironmentVariable("ELECTRODE_FALLBACK_FACE");
    if (expected.isEmpty())
        QSKIP("none of the named faces is installed");
    QCOMPARE(form.font().family(), expected);
}

// The fallback face's search tells sans-serif faces by their PANOSE serif style, the
// range's ends included.
void TstDefinition::panose_data()
{
    QTest::addColumn<int>("familyType");
    QTest::addColumn<int>("serifStyle");
    QTest::addColumn<int>("sans"); // 1 sans-serif, 0 serif, -1 not said
    QTest::newRow("any family") << 0 << 11 << -1;
    QTest::newRow("script family") << 3 << 11 << -1;
    QTest::newRow("any serif style") << 2 << 0 << -1;
    QTest::newRow("no fit") << 2 << 1 << -1;
    QTest::newRow("cove, the first serif") << 2 << 2 << 0;
    QTest::newRow("triangle, the last serif") << 2 << 10 << 0;
    QTest::newRow("normal sans, the first") << 2 << 11 << 1;
    QTest::newRow("rounded, the last sans") << 2 << 15 << 1;
    QTest::newRow("flared") << 2 << 14 << 1;
}

void TstDefinition::panose()
{
    QFETCH(int, familyType);
    QFETCH(int, serifStyle);
    QFETCH(int, sans);
    const std::optional<bool> said = look::panoseSans(familyType, serifStyle);
    QCOMPARE(said ? int(*said) : -1, sans);
}

void TstDefinition::tabOrder()
{
    FormWindow form(ru);
    form.Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    find(form, QStringLiteral("Комбо1"))->setFocus();
    QStringList order;
    for (int i = 0; i < 10; ++i) {
        QWidget *focused = QApplication::focusWidget();
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget(); // a list's edit field
        order << (focused ? focused->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Комбо1", "Комбо2", "Текст2", "Текст3", "Комбо3", "Рисунок1",
                                 "Комманда1", "Комбо4", "Комбо5", "Комбо6"}));
}

void TstDefinition::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("buddyOf"); // the caption whose buddy the control is, if any
    QTest::newRow("leg") << "Комбо1"
                         << "Катет шва"
                         << "Метка1";
    QTest::newRow("joint") << "Комбо2"
                           << "Тип соединения"
                           << "Метка2";
    QTest::newRow("position") << "Комбо3"
                              << "Положение"
                              << "Метка7";
    QTest::newRow("seam") << "Комбо4"
                          << "Шов"
                          << "Метка8";
    QTest::newRow("area") << "Комбо5"
                          << "Область применения"
                          << "Метка9";
    QTest::newRow("brand") << "Комбо6"
                           << "Марка электрода"
                           << "Метка11";
    // The type is read by its caption and the value it shows.
    QTest::newRow("type") << "Метка13"
                          << "Тип электрода: Э46"
                          << "";
    QTest::newRow("length") << "Текст2"
                            << "Общая длина сварных швов, мм"
                            << "Метка4";
    QTest::newRow("result") << "Текст3"
                            << "Масса электродов, кг"
                            << "Метка5";
    QTest::newRow("picture") << "Рисунок1"
                             << "Чертеж соединения Н1"
                             << "";
    // The captions are read without their leader dots, the title as it is written; the
    // area's description is read by its own text.
    QTest::newRow("leg caption") << "Метка1"
                                 << "Катет шва"
                                 << "";
    QTest::newRow("joint caption") << "Метка2"
                                   << "Тип соединения"
                                   << "";
    QTest::newRow("result caption") << "Метка5"
                                    << "Масса электродов, кг"
                                    << "";
    QTest::newRow("title") << "Метка6"
                           << "Ориентировочный расчет электродов"
                           << "";
    QTest::newRow("area description") << "Метка10"
                                      << ""
                                      << "";
}

void TstDefinition::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, buddyOf);
    FormWindow form(ru);
    form.Load();
    QWidget *w = find(form, control);
    QCOMPARE(w->accessibleName(), name);
    // An editable list's edit field, where the focus is, is read by the list's name.
    if (auto *list = qobject_cast<QComboBox *>(w))
        QCOMPARE(list->lineEdit()->accessibleName(), name);
    if (!buddyOf.isEmpty())
        QCOMPARE(form.findChild<QLabel *>(buddyOf)->buddy(), w);
    if (control == QStringLiteral("Рисунок1"))
        QCOMPARE(w->accessibleDescription(), QStringLiteral("Тип соединения Н1"));
    // The type's value is in its name alone, so that it is not read twice.
    if (control == QStringLiteral("Метка13"))
        QCOMPARE(w->accessibleDescription(), QString());
}

QTEST_MAIN(TstDefinition)
#include "tst_definition.moc"
