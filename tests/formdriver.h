// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Drives the window as a user does: picks list items with the mouse, types keys
// through the window, composes with an input method, drops and pastes, and reads what
// the fields show.

#include "app/window/formwindow.h"
#include "app/window/qtext.h"
#include "calc/mass.h"
#include "catalogue/catalogue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

// The ways text reaches a field.
enum class Delivery { Key, InputMethod, Drop, Paste };
Q_DECLARE_METATYPE(Delivery)

class FormDriver
{
public:
    explicit FormDriver(const QLocale &l) : locale(l), form(l)
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

    // The edit field of a list, or the text box itself.
    QLineEdit *edit(const QString &name)
    {
        if (auto *c = list(name))
            return c->lineEdit();
        return get<QLineEdit>(name);
    }

    // An input method's composition and commit, sent where an input method sends them:
    // to the focus widget.
    void compose(const QString &preedit, const QString &commit = QString())
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    // Drags text over the end of the field and drops it, as a drag from another
    // program does; a field that takes no drops gets none.
    void drop(const QString &name, const QString &text)
    {
        QLineEdit *target = edit(name);
        if (!target->acceptDrops())
            return;
        QMimeData data;
        data.setText(text);
        const QPoint at(target->width() - 3, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return;
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &move);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &dropped);
    }

    // Puts the text on the clipboard and pastes it with Shift+Insert at the focus.
    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        key(Qt::Key_Insert, QString(), Qt::ShiftModifier);
    }

    // Sends the text to the field, which has the focus, by the given way.
    void deliver(const QString &name, Delivery how, const QString &text)
    {
        switch (how) {
        case Delivery::Key:
            type(text);
            break;
        case Delivery::InputMethod:
            compose(text);
            compose(QString(), text);
            break;
        case Delivery::Drop:
            drop(name, text);
            break;
        case Delivery::Paste:
            paste(text);
            break;
        }
    }

    // Empty when every output on screen is what the inputs on screen give; otherwise
    // names the first output that is not.
    QString staleOutput()
    {
        using qtext::fromQt;
        using qtext::toQt;
        const catalogue::Brand *brand =
            catalogue::findBrand(fromQt(text(QStringLiteral("Комбо6"))));
        const QString type = brand ? toQt(brand->type) : QString();
        if (text(QStringLiteral("Метка13")) != type)
            return QStringLiteral("type");
        // A screen reader reads the type by its caption and the value it shows.
        if (get<QLabel>(QStringLiteral("Метка13"))->accessibleName() !=
            (type.isEmpty() ? QStringLiteral("Тип электрода")
                            : QStringLiteral("Тип электрода: ") + type))
            return QStringLiteral("type's name");
        if (text(QStringLiteral("Текст1")) != (brand ? toQt(brand->coefficient) : QString()))
            return QStringLiteral("coefficient");
        const auto description = catalogue::areaDescription(fromQt(text(QStringLiteral("Комбо5"))));
        if (text(QStringLiteral("Метка10")) != (description ? toQt(*description) : QString()))
            return QStringLiteral("description");
        const QString joint = text(QStringLiteral("Комбо2"));
        if (calc::jointFromText(fromQt(joint)) &&
            (!pictureIs(joint) ||
             get<QLabel>(QStringLiteral("Рисунок1"))->accessibleName() !=
                 QStringLiteral("Чертеж соединения ") + joint ||
             get<QLabel>(QStringLiteral("Рисунок1"))->accessibleDescription() !=
                 QStringLiteral("Тип соединения ") + joint))
            return QStringLiteral("picture");
        const QStringList in{text("Комбо1"), text("Комбо2"), text("Комбо3"),
                             text("Комбо4"), text("Текст1"), text("Текст2")};
        const calc::MassResult r = calc::computeMass({fromQt(in[0]), fromQt(in[1]), fromQt(in[2]),
                                                      fromQt(in[3]), fromQt(in[4]), fromQt(in[5])},
                                                     qtext::separatorOf(locale));
        QString mass;
        if (r.status == calc::Status::Ok)
            if (const auto texts = calc::massTexts(r.mass, qtext::separatorOf(locale)))
                mass = toQt(texts->rounded);
        if (result() != mass)
            return QStringLiteral("mass %1 for %2").arg(result(), in.join(u'|'));
        return QString();
    }

    bool pictureIs(const QString &joint)
    {
        const QPixmap shown = get<QLabel>(QStringLiteral("Рисунок1"))->pixmap();
        const QPixmap held = get<QLabel>(QStringLiteral("И_") + joint)->pixmap();
        return !shown.isNull() &&
               (shown.cacheKey() == held.cacheKey() || shown.toImage() == held.toImage());
    }

    const QLocale locale;
    FormWindow form;
};
