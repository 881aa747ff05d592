// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/input/inputgate.h"

#include "form/definition.h"
#include "form/form.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <string_view>

namespace {

// Keys that type no character into a field: focus moves and deletion forward.
bool typesNoCharacter(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return true;
    default:
        return key.text().isEmpty();
    }
}

// The characters besides backspace that the field's rule lets through, as the
// definition lists them: what an input method is told to offer.
std::u16string_view allowedOf(form::Field field)
{
    const definition::FieldRule *rule = definition::ruleOf(field);
    return rule ? rule->allowed : std::u16string_view();
}

std::u16string_view viewOf(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

bool onlyDigits(std::u16string_view allowed)
{
    for (const char16_t c : allowed)
        if (!QChar(c).isDigit())
            return false;
    return !allowed.empty();
}

} // namespace

InputGate::InputGate(QWidget *widget, form::Field field)
    : QObject(widget), field_(field), typesCharacters_(!allowedOf(field).empty()),
      takesPastes_(form::Форма1::takesPastes(field))
{
    QList<QWidget *> watched{widget};
    // An editable list hands most events to its edit field itself, but an event can
    // also reach the edit field first; both are watched.
    if (auto *list = qobject_cast<QComboBox *>(widget))
        watched << list->lineEdit();
    for (QWidget *w : watched) {
        w->installEventFilter(this);
        // A field that takes no character has nothing for an input method to compose.
        if (!typesCharacters_)
            w->setAttribute(Qt::WA_InputMethodEnabled, false);
        if (!takesPastes_)
            w->setAcceptDrops(false);
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (onlyDigits(allowedOf(field)))
            edit->setInputMethodHints(Qt::ImhDigitsOnly);
        else if (typesCharacters_)
            edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    }
}

bool InputGate::takesKey(const QKeyEvent &key) const
{
    // Keys that change no text work everywhere.
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll))
        return true;
    // The control-key pastes, cuts and undos are control characters and stay refused;
    // Shift+Insert pastes where pastes are taken, Shift+Delete is a deletion.
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    if (key.matches(QKeySequence::Paste))
        return takesPastes_ && !control;
    if (key.matches(QKeySequence::Cut))
        return !control;
    if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
        return false;
    if (typesNoCharacter(key))
        return true;
    for (const QChar c : key.text())
        if (form::Форма1::KeyPress(field_, c.unicode()) == 0)
            return false;
    return true;
}

bool InputGate::takesInputMethod(const QInputMethodEvent &event) const
{
    // A field that takes no character takes no replacement of its text either.
    if (!typesCharacters_ && event.replacementLength() != 0)
        return false;
    // A commit is taken whole or not at all; a composition shows only what the
    // field could take.
    return form::Форма1::takesWhole(field_, viewOf(event.commitString())) &&
           form::Форма1::takesWhole(field_, viewOf(event.preeditString()));
}

// The standard menu's Paste, found by what the toolkit names it, however the menu is
// drawn: newer toolkits name the action "edit-paste"; before, its text is the toolkit's
// own (translated) "&Paste", with or without the shortcut after a tab.
bool InputGate::isPaste(const QAction &action)
{
    return action.objectName() == u"edit-paste" ||
           action.text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste");
}

void InputGate::showMenuWithoutPaste(QLineEdit *edit, const QContextMenuEvent &event)
{
    QMenu *menu = edit->createStandardContextMenu();
    for (QAction *action : menu->actions())
        if (isPaste(*action) || action->menu())
            menu->removeAction(action); // pasting, and inserting control characters
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

bool InputGate::eventFilter(QObject *watched, QEvent *event)
{
    const bool refusesPastes = !takesPastes_;
    switch (event->type()) {
    case QEvent::KeyPress:
        return !takesKey(*static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod: {
        if (takesInputMethod(*static_cast<QInputMethodEvent *>(event)))
            return false;
        // Refused whole; an empty event takes away any composition still on show.
        QInputMethodEvent clear;
        QCoreApplication::sendEvent(watched, &clear);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (!refusesPastes)
            return false;
        event->ignore();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return refusesPastes && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    case QEvent::ContextMenu:
        if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && refusesPastes) {
            showMenuWithoutPaste(edit, *static_cast<QContextMenuEvent *>(event));
            return true;
        }
        return false;
    default:
        return false;
    }
}
