// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/form.h"

#include "app/input/inputgate.h"
#include "app/platform/decorations.h"
#include "app/platform/windowhints.h"
#include "app/window/accessibility.h"
#include "app/window/definition.h"
#include "app/window/icon.h"
#include "app/window/look.h"
#include "app/window/qtext.h"
#include "app/window/titlebar.h"
#include "form/keyrule.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

Форма1::Форма1(const QLocale &locale, QWidget *parent) : QWidget(parent)
{
    setObjectName(qtext::toQt(definition::formName));
    setWindowTitle(qtext::toQt(definition::formTitle));
    setWindowIcon(icon::windowIcon(devicePixelRatio()));
    // A fixed size: no maximize button, and where the platform's windows can be held to
    // a size (X11, Windows, a Wayland compositor that draws the title bars), no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(definition::px(definition::formWidth), definition::px(definition::formHeight));

    look::prepare(this);
    ui = definition::build(this);
    look::apply(ui);
    accessibility::nameFields(ui);
    fields_ = std::make_unique<WidgetFields>(this, ui);
    logic_ = std::make_unique<form::Форма1>(*fields_, qtext::separatorOf(locale));

    // Where the window draws its own title bar (Wayland, when the compositor leaves it
    // to the window), the toolkit's one would offer maximizing and resizing. A Wayland
    // compositor may also maximize any window, and a top level whose minimum and
    // maximum are equal cannot take that state there; so that window has a minimum
    // only and returns to its own size at once (changeEvent, resizeEvent).
    if (!decorations::systemDrawsTitleBar()) {
        // Alone: with the title and button hints above, the toolkit drops this one.
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        TitleBar::addTo(this);
        setMinimumSize(size());
    } else {
        setFixedSize(size());
    }

    wire();
}

// The controls outlive this part of the window: while they are taken down, a list that
// loses the focus may still report a pick. Nothing reaches the procedures any more.
Форма1::~Форма1()
{
    for (QComboBox *list : {ui.Комбо1, ui.Комбо2, ui.Комбо3, ui.Комбо4, ui.Комбо5, ui.Комбо6}) {
        list->disconnect(this);
        list->lineEdit()->disconnect(this);
    }
    for (QWidget *control :
         std::initializer_list<QWidget *>{ui.Текст1, ui.Текст2, ui.Текст3, ui.Комманда1})
        control->disconnect(this);
}

void Форма1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    windowhints::offerNoResize(this);
}

namespace {
constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
}

void Форма1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & enlarged)) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~enlarged);
            // Where the program sets its window's size itself, it takes it back at once;
            // a Wayland compositor gives it back with its next configure.
            if (maximumSize() == minimumSize())
                resize(minimumSize());
        });
    }
}

// Where the window's size is not held (its own title bar), or where a window system's
// size is only advice (Wayland), a size that the window system sets is taken back at
// once. Where it is held on X11, a window manager that sets another size anyway is not
// answered: the two would go on without end.
void Форма1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool held = maximumSize() == minimumSize();
    if ((!held || decorations::sizeIsAdvice()) && !(windowState() & enlarged) &&
        size() != minimumSize())
        resize(minimumSize());
}

void Форма1::wire()
{
    using form::Field;
    // Picking an item is a Click; a write from code is not. The user's own edits of
    // a list's text (backspace, delete, paste, drop, middle click) apply like a pick,
    // so that every output belongs to the inputs on screen.
    const std::pair<QComboBox *, Field> lists[] = {
        {ui.Комбо1, Field::Комбо1}, {ui.Комбо2, Field::Комбо2}, {ui.Комбо3, Field::Комбо3},
        {ui.Комбо4, Field::Комбо4}, {ui.Комбо5, Field::Комбо5}, {ui.Комбо6, Field::Комбо6},
    };
    for (const auto &[list, field] : lists) {
        connect(list, &QComboBox::activated, this, [this, list, field](int index) {
            // The toolkit's own pick, when editing ends on the text of another item, is
            // no pick of the user's: the edit has already applied.
            if (definition::isEditingFinishing(list))
                return;
            logic_->picked(field, qtext::fromQt(list->itemText(index)));
        });
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, field] { logic_->edited(field); });
    }
    // The user's own edits of the text boxes; the logic raises Change for its writes.
    for (const auto &[box, field] : {std::pair{ui.Текст1, Field::Текст1},
                                     std::pair{ui.Текст2, Field::Текст2},
                                     std::pair{ui.Текст3, Field::Текст3}})
        connect(box, &QLineEdit::textEdited, this, [this, field] { logic_->edited(field); });
    connect(ui.Комманда1, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });

    // Each field's key rule and paste policy, as the definition gives them.
    for (const definition::FieldRule &rule : definition::fieldRules)
        new InputGate(findChild<QWidget *>(qtext::toQt(rule.name)), rule.allowed,
                      rule.pastes == definition::Pastes::Taken ? InputGate::Pastes::Taken
                                                               : InputGate::Pastes::Refused);
}

char16_t Форма1::OnlyMySymbols(const char16_t &keyCode, QStringView allowed) const
{
    return form::Форма1::OnlyMySymbols(keyCode, qtext::fromQt(allowed));
}

void Форма1::Load()
{
    logic_->Load();
}
