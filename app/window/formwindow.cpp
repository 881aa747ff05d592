// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/formwindow.h"

#include "app/input/inputgate.h"
#include "app/platform/decorations.h"
#include "app/platform/windowhints.h"
#include "app/window/builder.h"
#include "app/window/icon.h"
#include "app/window/look.h"
#include "app/window/qtext.h"
#include "app/window/screenreader.h"
#include "app/window/titlebar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

FormWindow::FormWindow(const QLocale &locale, QWidget *parent) : QWidget(parent)
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
    ui = builder::build(this);
    look::apply(ui);
    screenreader::nameControls(ui);
    fields_ = std::make_unique<WidgetFields>(this, ui);
    // Made over the controls as built: the logic gives the lists their items.
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

// The controls outlive this destructor: while they are taken down, a list that
// loses the focus may still report a pick. Nothing reaches the procedures any more.
FormWindow::~FormWindow()
{
    for (QWidget *control : ui.rows) {
        control->disconnect(this);
        if (auto *list = qobject_cast<QComboBox *>(control))
            list->lineEdit()->disconnect(this);
    }
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    windowhints::offerNoResize(this);
}

namespace {
constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
}

void FormWindow::changeEvent(QEvent *event)
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
void FormWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool held = maximumSize() == minimumSize();
    if ((!held || decorations::sizeIsAdvice()) && !(windowState() & enlarged) &&
        size() != minimumSize())
        resize(minimumSize());
}

void FormWindow::wire()
{
    using definition::Kind;
    using form::Field;
    for (std::size_t i = 0; i < form::fieldCount; ++i) {
        const Field field = Field(i);
        switch (definition::controls[definition::rowOf(field)].kind) {
        case Kind::Combo: {
            // Picking an item is a Click; a write from code is not. The user's own edits
            // of a list's text (backspace, delete, paste, drop, middle click) apply like a
            // pick, so that every output belongs to the inputs on screen.
            auto *list = ui.of<QComboBox>(field);
            connect(list, &QComboBox::activated, this, [this, list, field](int index) {
                // The toolkit's own pick, when editing ends on the text of another item,
                // is no pick of the user's: the edit has already applied.
                if (builder::isEditingFinishing(list))
                    return;
                logic_->picked(field, qtext::fromQt(list->itemText(index)));
            });
            connect(list->lineEdit(), &QLineEdit::textEdited, this,
                    [this, field] { logic_->edited(field); });
            break;
        }
        case Kind::Text:
            // The user's own edits of the text boxes; the logic raises Change for its
            // writes.
            connect(ui.of<QLineEdit>(field), &QLineEdit::textEdited, this,
                    [this, field] { logic_->edited(field); });
            break;
        default:
            break;
        }
    }
    connect(ui.at<QPushButton>(definition::at(definition::Role::Exit)), &QPushButton::clicked, this,
            [] { QCoreApplication::exit(0); });

    // Every way of putting text into a field passes the logic's key rule and paste
    // policy for the field.
    for (const definition::FieldRule &rule : definition::fieldRules)
        new InputGate(ui.of(rule.field), rule.field);
}

char16_t FormWindow::OnlyMySymbols(const char16_t &keyCode, QStringView allowed) const
{
    return form::Форма1::OnlyMySymbols(keyCode, qtext::fromQt(allowed));
}

void FormWindow::Load()
{
    logic_->Load();
}
