// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/look.h"

#include "app/definition.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace look {

namespace {

// How much wider than its label the widest caption is in the face: at most 1 fits.
qreal overflowIn(const QString &family)
{
    qreal worst = 0;
    for (const definition::Control &c : definition::controls) {
        if (c.kind != definition::Kind::Label || c.text.startsWith(u"Метка") ||
            c.name == u"Метка9" || c.name == u"Метка11" || c.name == u"Метка12")
            continue;
        QFont font(family);
        font.setPixelSize(c.name == u"Метка6" ? titleFontPixels : fontPixels);
        font.setWeight(QFont::Bold);
        const qreal advance = QFontMetricsF(font).horizontalAdvance(c.text.toString());
        worst = std::max(worst, advance / definition::px(c.width));
    }
    return worst;
}

struct Face {
    QString family;
    int stretch = 100; // percent of the face's own width
};

// "MS Sans Serif" where it is installed; otherwise a bold face with Cyrillic glyphs
// whose widths let every caption fit on its line. Only the face found is named: each
// name in a font's list costs a fallback search per script when text is first laid out.
// Without any of the named faces, the first installed face in which every caption
// fits, or the narrowest one, drawn narrower still until the captions fit.
const Face &windowFace()
{
    static const Face face = [] {
        for (const char16_t *name :
             {u"MS Sans Serif", u"Liberation Sans", u"Arimo", u"DejaVu Sans Condensed"}) {
            const QString candidate = QString::fromUtf16(name);
            if (QFontDatabase::hasFamily(candidate))
                return Face{candidate};
        }
        Face best{QStringLiteral("Sans Serif")};
        qreal bestOverflow = overflowIn(best.family);
        for (const QString &family : QFontDatabase::families(QFontDatabase::Cyrillic)) {
            if (bestOverflow <= 1)
                break;
            if (QFontDatabase::isFixedPitch(family) || !QFontDatabase::isSmoothlyScalable(family))
                continue;
            const qreal overflow = overflowIn(family);
            if (overflow < bestOverflow) {
                best.family = family;
                bestOverflow = overflow;
            }
        }
        if (bestOverflow > 1)
            best.stretch = int(std::floor(100 / bestOverflow));
        return best;
    }();
    return face;
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

QFont windowFont(int pixels)
{
    QFont font(windowFace().family);
    if (windowFace().stretch != 100)
        font.setStretch(windowFace().stretch);
    font.setPixelSize(pixels);
    font.setWeight(QFont::Bold);
    return font;
}

QPalette palette()
{
    struct Role {
        QPalette::ColorRole role;
        QColor normal;
        QColor disabled;
    };
    const QColor black(0, 0, 0), white(255, 255, 255), grey(120, 120, 120);
    const Role roles[] = {
        {QPalette::Window, definedBackground, definedBackground},
        {QPalette::WindowText, black, grey},
        {QPalette::Base, white, QColor(239, 239, 239)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, black, black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
        {QPalette::Text, black, grey},
        {QPalette::Button, QColor(239, 239, 239), QColor(239, 239, 239)},
        {QPalette::ButtonText, black, grey},
        {QPalette::BrightText, white, white},
        {QPalette::Light, white, white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190)},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, white, white},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
    };
    QPalette p;
    for (const Role &r : roles) {
        p.setColor(QPalette::Active, r.role, r.normal);
        p.setColor(QPalette::Inactive, r.role, r.normal);
        p.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return p;
}

void useOwnStyle()
{
    if (QApplication::style()->name().compare(u"fusion", Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void setBackground(QWidget *w, const QColor &colour)
{
    setRole(w, QPalette::Window, colour);
    w->setAutoFillBackground(true);
}

void prepare(QWidget *form)
{
    // The application's too, for the windows of the window: the lists' popups and the
    // context menus.
    useOwnStyle();
    const QPalette own = palette();
    const QFont face = windowFont(fontPixels);
    QApplication::setPalette(own);
    QApplication::setFont(face);
    form->setPalette(own);
    form->setFont(face);
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
