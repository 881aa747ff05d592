// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/look.h"

#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace look {

namespace {

// "MS Sans Serif" where it is installed; otherwise a bold face with Cyrillic glyphs
// whose widths let every caption fit on its line. Only the face found is named: each
// name in a font's list costs a fallback search per script when text is first laid out.
QString windowFamily()
{
    static const QString family = [] {
        for (const char16_t *name :
             {u"MS Sans Serif", u"Liberation Sans", u"Arimo", u"DejaVu Sans Condensed"}) {
            const QString candidate = QString::fromUtf16(name);
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QStringLiteral("Sans Serif");
    }();
    return family;
}

QFont windowFont(int pixels)
{
    QFont font(windowFamily());
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    return font;
}

QWidget *child(QWidget *form, const char16_t *name)
{
    return form->findChild<QWidget *>(QString::fromUtf16(name));
}

void setRole(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

} // namespace

void setBackground(QWidget *w, const QColor &colour)
{
    setRole(w, QPalette::Window, colour);
    w->setAutoFillBackground(true);
}

void prepare(QWidget *form)
{
    form->setFont(windowFont(fontPixels));
    setBackground(form, definedBackground);
}

void apply(QWidget *form)
{
    setBackground(child(form, u"Рамка1"), frameBackground);
    setRole(child(form, u"Метка9"), QPalette::WindowText, areaCaption);
    setRole(child(form, u"Комманда1"), QPalette::Button, exitButton);
    setRole(child(form, u"Текст3"), QPalette::Text, result);
    setRole(child(form, u"Метка5"), QPalette::WindowText, result);

    auto *type = static_cast<QLabel *>(child(form, u"Метка13"));
    type->setFrameStyle(QFrame::Box | QFrame::Plain);
    type->setLineWidth(1);
    type->setAlignment(Qt::AlignCenter);
    setBackground(type, type->palette().color(QPalette::Base));
    setRole(type, QPalette::WindowText, type->palette().color(QPalette::Text));

    auto *heading = static_cast<QLabel *>(child(form, u"Метка6"));
    heading->setFont(windowFont(titleFontPixels));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setRole(heading, QPalette::WindowText, title);

    for (const char16_t *line : {u"Строка1", u"Строка2"}) {
        QWidget *w = child(form, line);
        setBackground(w, w->palette().color(QPalette::WindowText));
    }
}

} // namespace look
