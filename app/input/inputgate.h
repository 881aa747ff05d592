// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The gate between everything that can put text into a field and the field: typed
// keys, input methods, pastes, drops and the X selection's middle click.

#include <QObject>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

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
    // Whether text may arrive without being typed: a paste, a drop or a middle click.
    enum class Pastes { Taken, Refused };

    // Guards `field` (and a list's edit field): typed and input-method characters pass
    // only when they are in `allowed`; backspace always passes.
    InputGate(QWidget *field, std::u16string_view allowed, Pastes pastes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesKey(const QKeyEvent &key) const;
    bool takesInputMethod(const QInputMethodEvent &event) const;
    bool takesText(QStringView text) const;
    static bool isPaste(const QAction &action);
    static void showMenuWithoutPaste(QLineEdit *edit, const QContextMenuEvent &event);

    std::u16string allowed_;
    Pastes pastes_;
};
