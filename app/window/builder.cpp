// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/builder.h"

#include "app/window/crisp.h"
#include "app/window/facebutton.h"
#include "app/window/picturebox.h"
#include "app/window/qtext.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace builder {

namespace {

using definition::Align;
using definition::Container;
using definition::Control;
using definition::controls;
using definition::Kind;
using definition::px;

// A control's alignment as the toolkit names it.
Qt::Alignment alignment(const Control &c)
{
    switch (definition::alignmentOf(c)) {
    case Align::Centre:
        return Qt::AlignCenter;
    case Align::TopCentre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::TopLeft:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

constexpr char editingFinishing[] = "electrodeEditingFinishing";

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
    // The list makes an item current and reports it as activated when editing ends
    // (Enter, or the focus leaving) on that item's text; marked here, before and after
    // the list's own handling, so that the window can tell that from a pick.
    const auto mark = [edit, combo](bool finishing) {
        for (auto signal : {&QLineEdit::returnPressed, &QLineEdit::editingFinished})
            QObject::connect(edit, signal, combo, [combo, finishing] {
                combo->setProperty(editingFinishing, finishing);
            });
    };
    mark(true);
    combo->setLineEdit(edit);
    mark(false);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setEditText(qtext::toQt(c.text));
    return combo;
}

QWidget *makeText(const Control &c, QWidget *parent)
{
    auto *edit = new QLineEdit(qtext::toQt(c.text), parent);
    edit->setAlignment(alignment(c));
    return edit;
}

QWidget *makeLabel(const Control &c, QWidget *parent)
{
    auto *label = new QLabel(qtext::toQt(c.text), parent);
    label->setWordWrap(definition::wrapsText(c));
    label->setAlignment(alignment(c));
    return label;
}

QWidget *makePicture(QWidget *parent)
{
    auto *picture = new PictureBox(parent);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::TabFocus);
    return picture;
}

// The picture of the image control at `row`, as the program's resources hold it.
QString pictureOf(std::size_t row)
{
    static constexpr std::array<const char *, 6> files{"n1", "n2", "t1", "t3", "u4", "u5"};
    for (std::size_t i = 0; i < definition::jointImages.size(); ++i)
        if (definition::jointImages[i] == row)
            return QStringLiteral(":/%1.bmp").arg(QLatin1String(files[i]));
    return QString();
}

QWidget *makeImage(std::size_t row, QWidget *parent)
{
    auto *image = new QLabel(parent);
    const QImage drawn = crisp::read(pictureOf(row), "BMP");
    // Where a pixel takes more than one device pixel, the picture carries them itself,
    // so that the box shows it sharp instead of smoothing it up.
    image->setPixmap(crisp::forScreen(drawn, parent->devicePixelRatioF()));
    return image;
}

QWidget *make(std::size_t row, QWidget *parent, QCompleter *placeholder)
{
    const Control &c = controls[row];
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
        return new FaceButton(qtext::toQt(c.text), parent);
    case Kind::Picture:
        return makePicture(parent);
    case Kind::Line:
        return new QWidget(parent);
    case Kind::Image:
        return makeImage(row, parent);
    }
    return nullptr;
}

} // namespace

bool isEditingFinishing(const QComboBox *list)
{
    return list->property(editingFinishing).toBool();
}

Controls build(QWidget *form)
{
    Controls made;
    QWidget *frame = nullptr;
    QCompleter placeholder;
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const Control &c = controls[row];
        QWidget *parent = c.container == Container::Frame ? frame : form;
        QWidget *w = make(row, parent, &placeholder);
        made.rows[row] = w;
        w->setObjectName(qtext::toQt(c.name));
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
        // The image controls only hold pictures; a working field is never shown, and
        // never focused either.
        if (!definition::isShown(c))
            w->setVisible(false);
        if (!definition::takesFocus(c))
            w->setFocusPolicy(Qt::NoFocus);
    }

    // The keyboard focus follows the tab index.
    QWidget *previous = nullptr;
    for (const std::size_t row : definition::tabOrder) {
        if (!definition::takesFocus(controls[row]))
            continue;
        QWidget *w = made.rows[row];
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    return made;
}

} // namespace builder
