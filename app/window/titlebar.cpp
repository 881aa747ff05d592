// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/titlebar.h"

#include "app/window/look.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int buttonSize = 18;
constexpr int buttonSpacing = 5;
constexpr int rightMargin = 8;
constexpr int iconSize = 22;
constexpr int titlePixels = 14;

QColor textColour(const QWidget *bar)
{
    return bar->palette().color(bar->isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                                QPalette::WindowText);
}

// A title bar button: a line for minimize, a cross for close; shaded under the mouse.
class TitleButton : public QAbstractButton
{
public:
    enum Kind { Minimize, Close };

    TitleButton(Kind kind, QWidget *bar) : QAbstractButton(bar), kind_(kind)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        // The toolkit's own words for them, in the language of its other texts.
        const QString name =
            QCoreApplication::translate("QMdiSubWindow", kind == Minimize ? "Minimize" : "Close");
        setToolTip(name);
        setAccessibleName(name);
        resize(buttonSize, buttonSize);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (underMouse() || isDown())
            p.fillRect(
                rect(),
                parentWidget()->palette().color(QPalette::Window).darker(isDown() ? 130 : 112));
        QPen pen(textColour(parentWidget()), 2);
        p.setPen(pen);
        if (kind_ == Minimize) {
            const QRect r = rect().adjusted(5, 5, -5, -5);
            p.drawLine(r.bottomLeft(), r.bottomRight());
        } else {
            p.setRenderHint(QPainter::Antialiasing);
            const qreal cross = height() / 2.3;
            const QPointF c = QRectF(rect()).center();
            const QRectF r(c.x() - cross / 2, c.y() - cross / 2, cross, cross);
            p.drawLine(r.topLeft(), r.bottomRight());
            p.drawLine(r.bottomLeft(), r.topRight());
        }
    }

private:
    Kind kind_;
};

} // namespace

TitleBar::TitleBar(QWidget *window)
    : QWidget(window), minimize_(new TitleButton(TitleButton::Minimize, this)),
      close_(new TitleButton(TitleButton::Close, this))
{
    setObjectName(QStringLiteral("TitleBar"));
    setFont(look::windowFont(titlePixels));
    look::setBackground(this, look::frameBackground);
    setGeometry(0, 0, window->width(), height);
    const int top = (height - buttonSize) / 2;
    close_->move(width() - rightMargin - buttonSize, top);
    minimize_->move(close_->x() - buttonSpacing - buttonSize, top);
    connect(minimize_, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
}

TitleBar *TitleBar::addTo(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->move(control->x(), control->y() + height);
    window->resize(window->width(), window->height() + height);
    return new TitleBar(window);
}

// The window passes its activation on to its controls: the title is drawn in the
// active window's colour or the inactive one's.
bool TitleBar::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
        update();
        minimize_->update();
        close_->update();
    }
    return QWidget::event(event);
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QIcon icon = window()->windowIcon();
    int left = buttonSpacing;
    if (!icon.isNull()) {
        icon.paint(&p, QRect(left, (height - iconSize) / 2, iconSize, iconSize));
        left += iconSize + buttonSpacing;
    }
    // The title is centred on the bar, and shortened where it would reach the buttons.
    const int right = minimize_->x() - buttonSpacing;
    const QFontMetrics metrics(font());
    const QString title = metrics.elidedText(window()->windowTitle(), Qt::ElideRight, right - left);
    const int textWidth = metrics.horizontalAdvance(title);
    const int x = std::clamp((width() - textWidth) / 2, left, right - textWidth);
    p.setPen(textColour(this));
    p.drawText(QRect(x, 0, textWidth, height), Qt::AlignVCenter | Qt::AlignLeft, title);
}
