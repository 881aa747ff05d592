// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The gate between everything that can put text into a field and the field: typed
// keys, input methods, pastes, drops and the X selection's middle click. What passes
// is the window's logic's to say.

#include "form/fields.h"

#include <QObject>

class QAction;
class QContextMenuEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

class InputGate : public QObject
{
    Q_OBJECT

public:
    // Guards `widget`, the control of `field` (and a list's edit field): typed
    // characters pass as the field's KeyPress leaves them, an input method's text only
    // whole, pastes, drops and middle clicks only where the field takes pastes.
    InputGate(QWidget *widget, form::Field field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesKey(const QKeyEvent &key) const;
    bool takesInputMethod(const QInputMethodEvent &event) const;
    static bool isPaste(const QAction &action);
    static void showMenuWithoutPaste(QLineEdit *edit, const QContextMenuEvent &event);

    form::Field field_;
    bool typesCharacters_; // whether any character besides backspace passes
    bool takesPastes_;
};
