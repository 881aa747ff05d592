// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/look.h"

#include "app/window/definition.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <memory>

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
    // Fusion's own colours, which its drawing is made for; the window defines its
    // background, and disabled text in a darker grey than Fusion's.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = fusion->standardPalette();
    p.setColor(QPalette::Window, definedBackground);
    const QColor disabledText(120, 120, 120);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
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
    // The layout is absolute and fixed: left to right whatever the language, the
    // toolkit's translation (which makes Hebrew, Arabic or Persian right to left) or
    // its -reverse option say. Set explicitly, no later translation overrides it.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    form->setLayoutDirection(Qt::LeftToRight);
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

void apply(const definition::Controls &ui)
{
    setBackground(ui.Рамка1, frameBackground);
    setRole(ui.Метка9, QPalette::WindowText, areaCaption);
    setRole(ui.Комманда1, QPalette::Button, exitButton);
    setRole(ui.Текст3, QPalette::Text, result);
    setRole(ui.Метка5, QPalette::WindowText, result);

    QLabel *type = ui.Метка13;
    type->setFrameStyle(QFrame::Box | QFrame::Plain);
    type->setLineWidth(1);
    type->setAlignment(Qt::AlignCenter);
    setBackground(type, type->palette().color(QPalette::Base));
    setRole(type, QPalette::WindowText, type->palette().color(QPalette::Text));

    QLabel *heading = ui.Метка6;
    heading->setFont(windowFont(titleFontPixels));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setRole(heading, QPalette::WindowText, title);

    for (QWidget *line : {ui.Строка1, ui.Строка2})
        setBackground(line, line->palette().color(QPalette::WindowText));
}

} // namespace look
