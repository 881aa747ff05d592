#pragma once
// Drives the window as a user does: picks list items with the mouse, types keys
// through the window, and reads what the fields show.

#include "app/form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class FormDriver
{
public:
    explicit FormDriver(const QLocale &locale) : form(locale)
    {
        form.Load();
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("the window did not become active");
    }

    template <typename T = QWidget> T *get(const QString &name)
    {
        return form.findChild<T *>(name);
    }
    QComboBox *list(const QString &name) { return get<QComboBox>(name); }
    QString text(const QString &name)
    {
        if (auto *c = get<QComboBox>(name))
            return c->currentText();
        if (auto *e = get<QLineEdit>(name))
            return e->text();
        return get<QLabel>(name)->text();
    }
    QString result() { return text(QStringLiteral("Текст3")); }

    QStringList items(const QString &name)
    {
        QStringList all;
        for (int i = 0; i < list(name)->count(); ++i)
            all << list(name)->itemText(i);
        return all;
    }

    // Opens the list and clicks the item.
    bool pick(const QString &name, const QString &item)
    {
        QComboBox *combo = list(name);
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            return false;
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        if (!QTest::qWaitForWindowExposed(view->window()))
            return false;
        const QModelIndex modelIndex = combo->model()->index(index, 0);
        view->scrollTo(modelIndex);
        const QPoint at = view->visualRect(modelIndex).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return !view->window()->isVisible() && combo->currentText() == item;
    }

    // Gives the field the focus and sends the keys through the window, as the window
    // system delivers them.
    void focus(const QString &name) { get(name)->setFocus(Qt::TabFocusReason); }
    void key(Qt::Key key, const QString &text, Qt::KeyboardModifiers mods = {})
    {
        QTest::sendKeyEvent(QTest::Click, form.windowHandle(), key, text, mods);
    }
    void type(const QString &characters)
    {
        for (const QChar c : characters)
            key(Qt::Key(c.toUpper().unicode()), QString(c));
    }
    void backspace(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            key(Qt::Key_Backspace, QStringLiteral("\b"));
    }
    void end() { key(Qt::Key_End, QString()); }

    bool pictureIs(const QString &joint)
    {
        const QPixmap shown = get<QLabel>(QStringLiteral("Рисунок1"))->pixmap();
        const QPixmap held = get<QLabel>(QStringLiteral("И_") + joint)->pixmap();
        return !shown.isNull() &&
               (shown.cacheKey() == held.cacheKey() || shown.toImage() == held.toImage());
    }

    Форма1 form;
};
