// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/definition.h"

#include "app/crisp.h"
#include "app/facebutton.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace definition {

std::span<const QStringView> itemsOf(QStringView combo)
{
    if (combo == u"Комбо1")
        return legItems;
    if (combo == u"Комбо2")
        return jointItems;
    if (combo == u"Комбо3")
        return positionItems;
    if (combo == u"Комбо4")
        return seamItems;
    if (combo == u"Комбо5")
        return areaItems;
    return {};
}

namespace {

// `placeholder`: a list gives an edit field without a completer one of its own, wired
// to its items, only for us to take it away again; a placeholder that no field keeps
// spares that work.
QWidget *makeCombo(const Control &c, QWidget *parent, QCompleter *placeholder)
{
    auto *combo = new QComboBox(parent);
    // An edit field of our own makes the list editable without building its popup
    // now; the popup is made the first time it opens.
    auto *edit = new QLineEdit(combo);
    edit->setCompleter(placeholder);
    combo->setLineEdit(edit);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    for (QStringView item : itemsOf(c.name))
        combo->addItem(item.toString());
    combo->setEditText(c.text.toString());
    return combo;
}

QWidget *makeText(const Control &c, QWidget *parent)
{
    auto *edit = new QLineEdit(c.text.toString(), parent);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QWidget *makeLabel(const Control &c, QWidget *parent)
{
    auto *label = new QLabel(c.text.toString(), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The picture box: a sunken panel that shows a mark inside its border while it has
// the keyboard focus.
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

QWidget *makePicture(QWidget *parent)
{
    auto *picture = new PictureBox(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::TabFocus);
    return picture;
}

QWidget *makeImage(const Control &c, QWidget *parent)
{
    auto *image = new QLabel(parent);
    const QImage drawn = crisp::read(c.text.toString(), "BMP");
    // Where a pixel takes more than one device pixel, the picture carries them itself,
    // so that the box shows it sharp instead of smoothing it up.
    image->setPixmap(crisp::forScreen(drawn, parent->devicePixelRatioF()));
    image->setVisible(false);
    return image;
}

QWidget *make(const Control &c, QWidget *parent, QCompleter *placeholder)
{
    switch (c.kind) {
    case Kind::Combo:
        return makeCombo(c, parent, placeholder);
    case Kind::Frame: {
        // A group box border with an empty caption.
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case Kind::Label:
        return makeLabel(c, parent);
    case Kind::Text:
        return makeText(c, parent);
    case Kind::Button:
        return new FaceButton(c.text.toString(), parent);
    case Kind::Picture:
        return makePicture(parent);
    case Kind::Line:
        return new QWidget(parent);
    case Kind::Image:
        return makeImage(c, parent);
    }
    return nullptr;
}

} // namespace

void build(QWidget *form)
{
    QWidget *frame = nullptr;
    QCompleter placeholder;
    for (const Control &c : controls) {
        QWidget *parent = c.container == Container::Frame ? frame : form;
        QWidget *w = make(c, parent, &placeholder);
        w->setObjectName(c.name.toString());
        if (c.kind == Kind::Line) {
            // X1, Y1, X2, Y2: a 1-pixel line, both ends included
            w->setGeometry(px(c.left), px(c.top), px(c.width) - px(c.left) + 1,
                           px(c.height) - px(c.top) + 1);
        } else {
            w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
        }
        if (c.kind == Kind::Frame)
            frame = w;
        // Labels lie under the lists, boxes and the frame they touch.
        if (c.kind == Kind::Label)
            w->lower();
    }
    // The coefficient field is a working field: never shown, never focused.
    auto *coefficient = form->findChild<QWidget *>(QStringLiteral("Текст1"));
    coefficient->setVisible(false);
    coefficient->setFocusPolicy(Qt::NoFocus);

    // The keyboard focus follows the tab index.
    std::array<const Control *, controls.size()> byTab{};
    std::size_t n = 0;
    for (const Control &c : controls)
        if (c.tabIndex != noTabStop)
            byTab[n++] = &c;
    std::sort(byTab.begin(), byTab.begin() + n,
              [](const Control *a, const Control *b) { return a->tabIndex < b->tabIndex; });
    QWidget *previous = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        auto *w = form->findChild<QWidget *>(byTab[i]->name.toString());
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace definition
