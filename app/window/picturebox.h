// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The picture box: a sunken panel that shows a mark inside its border while it has
// the keyboard focus.

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

class PictureBox : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // The box takes the focus only from the keyboard, so the mark always shows.
        option.state |= QStyle::State_KeyboardFocusChange;
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};
