// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// A push button whose whole face is painted in the palette's button colour; the
// style draws only its border and its caption. Enter presses it as Space does.

#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

class FaceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !event->isAutoRepeat() &&
            (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        p.drawControl(QStyle::CE_PushButtonBevel, option);
        const QColor face = palette().color(QPalette::Button);
        p.fillRect(rect().adjusted(2, 2, -2, -2), isDown() ? face.darker(110) : face);
        if (hasFocus())
            p.drawPrimitive(QStyle::PE_FrameFocusRect, option);
        p.drawControl(QStyle::CE_PushButtonLabel, option);
    }
};
