#pragma once
// A push button whose whole face is painted in the palette's button colour; the
// style draws only its border and its caption.

#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

class FaceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
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
