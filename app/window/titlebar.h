// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's own title bar, where the window system leaves the title bar to the
// window: the icon, the title, a button that minimizes the window and one that closes
// it; dragging the bar moves the window. A window of one size has no maximize button
// and no resizing edges.

#include <QAbstractButton>
#include <QWidget>

class TitleBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int height = 30;

    // Puts a title bar across the top of the window and moves the window's controls
    // down below it. The window grows by the bar's height.
    static TitleBar *addTo(QWidget *window);

    QAbstractButton *minimizeButton() const { return minimize_; }
    QAbstractButton *closeButton() const { return close_; }

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit TitleBar(QWidget *window);

    QAbstractButton *minimize_;
    QAbstractButton *close_;
};
