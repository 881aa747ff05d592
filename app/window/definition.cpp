// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/definition.h"

#include "app/window/crisp.h"
#include "app/window/facebutton.h"
#include "app/window/qtext.h"
#include "form/lists.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace definition {

namespace {

// A control's alignment as the toolkit names it.
Qt::Alignment alignment(const Control &c)
{
    switch (alignmentOf(c)) {
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
    label->setWordWrap(wrapsText(c));
    label->setAlignment(alignment(c));
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

// The picture of the image control's joint, as the program's resources hold it.
QString pictureOf(std::u16string_view image)
{
    static constexpr std::array<const char *, 6> files{"n1", "n2", "t1", "t3", "u4", "u5"};
    for (std::size_t i = 0; i < jointImages.size(); ++i)
        if (jointImages[i] == image)
            return QStringLiteral(":/%1.bmp").arg(QLatin1String(files[i]));
    return QString();
}

QWidget *makeImage(const Control &c, QWidget *parent)
{
    auto *image = new QLabel(parent);
    const QImage drawn = crisp::read(pictureOf(c.name), "BMP");
    // Where a pixel takes more than one device pixel, the picture carries them itself,
    // so that the box shows it sharp instead of smoothing it up.
    image->setPixmap(crisp::forScreen(drawn, parent->devicePixelRatioF()));
    image->setVisible(isShown(c));
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
        return new FaceButton(qtext::toQt(c.text), parent);
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

namespace {

using Made = std::array<QWidget *, controls.size()>;

template <typename T> T *take(const Made &made, std::size_t index)
{
    return static_cast<T *>(made[index]);
}

Controls typed(const Made &made)
{
    Controls c;
    c.Комбо1 = take<QComboBox>(made, at(u"Комбо1", Kind::Combo));
    c.Комбо2 = take<QComboBox>(made, at(u"Комбо2", Kind::Combo));
    c.Комбо3 = take<QComboBox>(made, at(u"Комбо3", Kind::Combo));
    c.Комбо4 = take<QComboBox>(made, at(u"Комбо4", Kind::Combo));
    c.Комбо5 = take<QComboBox>(made, at(u"Комбо5", Kind::Combo));
    c.Комбо6 = take<QComboBox>(made, at(u"Комбо6", Kind::Combo));
    c.Текст1 = take<QLineEdit>(made, at(u"Текст1", Kind::Text));
    c.Текст2 = take<QLineEdit>(made, at(u"Текст2", Kind::Text));
    c.Текст3 = take<QLineEdit>(made, at(u"Текст3", Kind::Text));
    c.Рамка1 = take<QFrame>(made, at(u"Рамка1", Kind::Frame));
    c.Метка1 = take<QLabel>(made, at(u"Метка1", Kind::Label));
    c.Метка2 = take<QLabel>(made, at(u"Метка2", Kind::Label));
    c.Метка4 = take<QLabel>(made, at(u"Метка4", Kind::Label));
    c.Метка5 = take<QLabel>(made, at(u"Метка5", Kind::Label));
    c.Метка6 = take<QLabel>(made, at(u"Метка6", Kind::Label));
    c.Метка7 = take<QLabel>(made, at(u"Метка7", Kind::Label));
    c.Метка8 = take<QLabel>(made, at(u"Метка8", Kind::Label));
    c.Метка9 = take<QLabel>(made, at(u"Метка9", Kind::Label));
    c.Метка10 = take<QLabel>(made, at(u"Метка10", Kind::Label));
    c.Метка11 = take<QLabel>(made, at(u"Метка11", Kind::Label));
    c.Метка12 = take<QLabel>(made, at(u"Метка12", Kind::Label));
    c.Метка13 = take<QLabel>(made, at(u"Метка13", Kind::Label));
    c.Рисунок1 = take<QLabel>(made, at(u"Рисунок1", Kind::Picture));
    c.Комманда1 = take<QPushButton>(made, at(u"Комманда1", Kind::Button));
    c.Строка1 = made[at(u"Строка1", Kind::Line)];
    c.Строка2 = made[at(u"Строка2", Kind::Line)];
    using calc::Joint;
    const auto image = [&made](Joint joint, std::size_t index) {
        return std::pair{std::size_t(joint), take<QLabel>(made, index)};
    };
    for (const auto &[joint, label] :
         {image(Joint::N1, at(u"И_Н1", Kind::Image)), image(Joint::N2, at(u"И_Н2", Kind::Image)),
          image(Joint::T1, at(u"И_Т1", Kind::Image)), image(Joint::T3, at(u"И_Т3", Kind::Image)),
          image(Joint::U4, at(u"И_У4", Kind::Image)), image(Joint::U5, at(u"И_У5", Kind::Image))})
        c.images[joint] = label;
    return c;
}

// A list's items, added after its stored text, which stays the list's text.
void fill(QComboBox *list, form::Field field)
{
    const QString stored = list->currentText();
    for (const std::u16string &item : form::itemsOf(field))
        list->addItem(qtext::toQt(item));
    list->setEditText(stored);
}

void fillLists(const Controls &c)
{
    fill(c.Комбо1, form::Field::Комбо1);
    fill(c.Комбо2, form::Field::Комбо2);
    fill(c.Комбо3, form::Field::Комбо3);
    fill(c.Комбо4, form::Field::Комбо4);
    fill(c.Комбо5, form::Field::Комбо5);
}

} // namespace

bool isEditingFinishing(const QComboBox *list)
{
    return list->property(editingFinishing).toBool();
}

Controls build(QWidget *form)
{
    Made made{};
    QWidget *frame = nullptr;
    QCompleter placeholder;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control &c = controls[i];
        QWidget *parent = c.container == Container::Frame ? frame : form;
        QWidget *w = make(c, parent, &placeholder);
        made[i] = w;
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
    }
    const Controls typedControls = typed(made);
    fillLists(typedControls);
    // A field that is never shown is never focused either.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == Kind::Text && !isShown(controls[i])) {
            made[i]->setVisible(false);
            made[i]->setFocusPolicy(Qt::NoFocus);
        }
    }

    // The keyboard focus follows the tab index.
    std::array<std::size_t, controls.size()> byTab{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].tabIndex != noTabStop)
            byTab[n++] = i;
    std::sort(byTab.begin(), byTab.begin() + n, [](std::size_t a, std::size_t b) {
        return controls[a].tabIndex < controls[b].tabIndex;
    });
    QWidget *previous = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        QWidget *w = made[byTab[i]];
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    return typedControls;
}

} // namespace definition
