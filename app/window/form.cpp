// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/form.h"

#include "app/input/inputgate.h"
#include "app/input/keyrule.h"
#include "app/platform/decorations.h"
#include "app/platform/windowhints.h"
#include "app/window/accessibility.h"
#include "app/window/definition.h"
#include "app/window/icon.h"
#include "app/window/look.h"
#include "app/window/titlebar.h"
#include "calc/numbers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

Форма1::Форма1(const QLocale &locale, QWidget *parent) : QWidget(parent), locale_(locale)
{
    setObjectName(definition::formName.toString());
    setWindowTitle(definition::formTitle.toString());
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
    // Picking an item is a Click; a write from code is not. The user's own edits of
    // a list's text (backspace, delete, paste, drop, middle click) apply like a pick,
    // so that every output belongs to the inputs on screen.
    for (QComboBox *list : {ui.Комбо1, ui.Комбо2, ui.Комбо3, ui.Комбо4}) {
        connect(list, &QComboBox::activated, this, [this] { AA(); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this] { AA(); });
    }
    const auto areaPicked = [this] {
        Область();
        Марка();
        Тип();
    };
    connect(ui.Комбо5, &QComboBox::activated, this, areaPicked);
    connect(ui.Комбо5->lineEdit(), &QLineEdit::textEdited, this, areaPicked);
    connect(ui.Комбо6, &QComboBox::activated, this, [this] { Тип(); });
    connect(ui.Комбо6->lineEdit(), &QLineEdit::textEdited, this, [this] { Тип(); });
    connect(ui.Текст1, &QLineEdit::textChanged, this, [this] { AA(); });
    connect(ui.Текст2, &QLineEdit::textChanged, this, [this] { AA(); });
    connect(ui.Текст3, &QLineEdit::textEdited, this, &Форма1::keepResult);
    connect(ui.Комманда1, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });

    using Pastes = InputGate::Pastes;
    for (QComboBox *list : {ui.Комбо1, ui.Комбо2, ui.Комбо3, ui.Комбо4, ui.Комбо5, ui.Комбо6})
        new InputGate(list, keyrule::noCharacters, Pastes::Taken);
    new InputGate(ui.Текст1, keyrule::digitsAndComma, Pastes::Taken);
    new InputGate(ui.Текст2, keyrule::digits, Pastes::Taken);
    new InputGate(ui.Текст3, keyrule::noCharacters, Pastes::Refused);
}

// The result field shows the computed mass or nothing: the user may delete the mass,
// not turn it into another number, so a deletion empties the field whole; whatever
// else reached it is taken back.
void Форма1::keepResult(const QString &edited)
{
    showResult(keyrule::remainsAfterDeleting(edited, computed_) ? QString() : computed_);
}

// Its first digits in sight: a text longer than the field starts at its beginning, so
// that the magnitude is never misread.
void Форма1::showResult(const QString &text)
{
    ui.Текст3->setText(text);
    ui.Текст3->setCursorPosition(0);
}

// Writes the coefficient. Its Change runs AA even where the text stays the same (the
// toolkit raises none then), so that a pick always shows the mass of what is on screen:
// the shown mass may have been deleted meanwhile.
void Форма1::writeCoefficient(const QString &text)
{
    if (ui.Текст1->text() == text)
        AA();
    else
        ui.Текст1->setText(text);
}

// Writes a list's text from code: no Click follows. The item of that text, if any,
// becomes the current one so that the opened list shows it.
void Форма1::setListText(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(text);
}

void Форма1::Load()
{
    look::setBackground(this, look::loadedBackground);
    setListText(ui.Комбо1, numbers::fromInt(5, locale_));
    setListText(ui.Комбо2, QStringLiteral("Н1"));
    setListText(ui.Комбо3, QStringLiteral("Нижнее"));
    setListText(ui.Комбо4, QStringLiteral("сплошной"));
    setListText(ui.Комбо5, QStringLiteral("вспомогательные конструкции"));
    ui.Текст1->setText(numbers::fromDouble(1.7, locale_));
    ui.Текст2->setText(numbers::fromInt(1000, locale_));
    Область();
    Марка();
    Тип();
    AA();
}
