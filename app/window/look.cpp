// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/look.h"

#include "app/window/builder.h"
#include "app/window/qtext.h"
#include "catalogue/tables.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace look {

std::optional<bool> panoseSans(int familyType, int serifStyle)
{
    constexpr int latinText = 2, firstSerif = 2, firstSans = 11, lastSans = 15;
    if (familyType != latinText || serifStyle < firstSerif)
        return std::nullopt;
    return serifStyle >= firstSans && serifStyle <= lastSans;
}

namespace {

// A text as a label of the window holds it: word-wrapped in the label's width, from
// its top, in the window's face at the given size.
struct Caption {
    QString text;
    QSize box;
    int pixels;
};

// Every text the window shows in a label of its own: the captions, the title and each
// area description in the description's label.
std::vector<Caption> captions()
{
    using definition::controls;
    std::vector<Caption> all;
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const definition::Control &c = controls[row];
        if (c.kind != definition::Kind::Label)
            continue;
        const QSize box(definition::px(c.width), definition::px(c.height));
        if (row == definition::rowOf(form::Field::Метка10)) {
            for (const catalogue::Area &area : catalogue::areas)
                all.push_back({qtext::toQt(area.description), box, fontPixels});
        } else if (!definition::fieldAt(row)) {
            all.push_back({qtext::toQt(c.text), box,
                           c.role == definition::Role::Title ? titleFontPixels : fontPixels});
        }
    }
    return all;
}

struct Face {
    QString family;
    int stretch = 100;       // percent of the face's own width
    int pixels = fontPixels; // the size of the window's text; the title's in proportion
};

QFont fontOf(const Face &face, int pixels)
{
    QFont font(face.family);
    if (face.stretch != 100)
        font.setStretch(face.stretch);
    font.setPixelSize(pixels == fontPixels ? face.pixels
                                           : qRound(qreal(pixels) * face.pixels / fontPixels));
    font.setWeight(QFont::Bold);
    return font;
}

// Whether every text fits its label in the face, as the label lays it out: no line
// wider than the label, no line below its bottom, and a caption whose label holds one
// line on that line.
bool fits(const Face &face, const std::vector<Caption> &texts)
{
    return std::all_of(texts.begin(), texts.end(), [&face](const Caption &c) {
        const QFontMetrics metrics(fontOf(face, c.pixels));
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, c.box.width(), 1 << 20), Qt::TextWordWrap, c.text);
        return needed.width() <= c.box.width() && needed.height() <= c.box.height() &&
               (c.box.height() >= 2 * metrics.lineSpacing() ||
                metrics.horizontalAdvance(c.text) <= c.box.width());
    });
}

// Whether the face is a sans-serif one: as its PANOSE classification says, or, where
// the face does not say, as its name does.
bool isSans(const QString &family)
{
    QFont font(family);
    font.setPixelSize(fontPixels);
    const QByteArray os2 = QRawFont::fromFont(font).fontTable("OS/2");
    constexpr int familyKind = 32, serifStyle = 33; // bFamilyType, bSerifStyle
    if (os2.size() > serifStyle)
        if (const auto sans = panoseSans(os2[familyKind], os2[serifStyle]))
            return *sans;
    return family.split(u' ').contains(u"Sans");
}

// The narrowest the fallback draws a face, and its smallest text: a face squeezed
// further reads worse than the same face a pixel smaller.
constexpr int leastStretch = 85;
constexpr int leastPixels = 10;

// The widest stretch, down to leastStretch, at which every text fits, or 0.
int widestFitting(Face face, const std::vector<Caption> &texts)
{
    face.stretch = 100;
    if (fits(face, texts))
        return 100;
    face.stretch = leastStretch;
    if (!fits(face, texts))
        return 0;
    int fitting = leastStretch, tooWide = 100;
    while (tooWide - fitting > 1) {
        face.stretch = (fitting + tooWide) / 2;
        (fits(face, texts) ? fitting : tooWide) = face.stretch;
    }
    return fitting;
}

// Where none of the named faces is installed: a scalable, proportional face with
// Cyrillic glyphs in which every text fits its label, in width and in height.
// Sans-serif faces come first, then the others; among them the largest text, then the
// widest stretch (a face drawn narrower where it must), then the name's order. The
// choice depends only on the faces installed, not on the desktop's aliases.
Face fallbackFace()
{
    const std::vector<Caption> texts = captions();
    QStringList sans, others;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Cyrillic)) {
        if (QFontDatabase::isFixedPitch(family) || !QFontDatabase::isSmoothlyScalable(family))
            continue;
        (isSans(family) ? sans : others) << family;
    }
    for (QStringList *kind : {&sans, &others}) {
        std::sort(kind->begin(), kind->end());
        for (int pixels = fontPixels; pixels >= leastPixels; --pixels) {
            Face best{QString(), 0, pixels};
            for (const QString &family : std::as_const(*kind)) {
                const int stretch = widestFitting(Face{family, 100, pixels}, texts);
                if (stretch > best.stretch)
                    best = Face{family, stretch, pixels};
                if (stretch == 100)
                    break;
            }
            if (best.stretch > 0)
                return best;
        }
    }
    return Face{sans.value(0, others.value(0))};
}

// The face the window definition asks for, "MS Sans Serif", where it is scalable; then
// "Microsoft Sans Serif", its outline twin with the same widths, which every Windows 10
// and 11 has. Windows' own "MS Sans Serif" is bitmap strikes (sserife.fon), which a
// scale of 125 % or more can only stretch, and Qt finds no Cyrillic in them under Wine.
// Then the faces whose widths the layout is measured in, then the fallback. Tahoma is
// not named: every Windows that has it has Microsoft Sans Serif too, and Wine's copy
// draws its bold with the regular outlines. A named face counts only where it is
// scalable and has Cyrillic. Only the face found is named: each name in a font's list
// costs a fallback search per script when text is first laid out.
const Face &windowFace()
{
    static const Face face = [] {
        for (const char16_t *name : {u"MS Sans Serif", u"Microsoft Sans Serif", u"Liberation Sans",
                                     u"Arimo", u"DejaVu Sans Condensed"}) {
            const QString candidate = QString::fromUtf16(name);
            if (QFontDatabase::hasFamily(candidate) &&
                QFontDatabase::isSmoothlyScalable(candidate) &&
                QFontDatabase::writingSystems(candidate).contains(QFontDatabase::Cyrillic))
                return Face{candidate};
        }
        return fallbackFace();
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
    return fontOf(windowFace(), pixels);
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

void apply(const builder::Controls &ui)
{
    using definition::controls;
    using definition::Kind;
    // The frame has a background of its own; the lines are drawn in the text's colour.
    for (std::size_t row = 0; row < controls.size(); ++row) {
        QWidget *w = ui.at(row);
        if (controls[row].kind == Kind::Frame)
            setBackground(w, frameBackground);
        else if (controls[row].kind == Kind::Line)
            setBackground(w, w->palette().color(QPalette::WindowText));
    }
    for (const definition::ControlColour &c : definition::controlColours) {
        // A box's text is its Text role, a label's its WindowText, a button's face its Button.
        const bool box = controls[c.row].kind == Kind::Text;
        const QPalette::ColorRole role = c.part == definition::Part::Face ? QPalette::Button
                                         : box                            ? QPalette::Text
                                                                          : QPalette::WindowText;
        setRole(ui.at(c.row), role, toQt(c.colour));
    }

    // The value box is opaque and bordered, in a box's colours.
    auto *value = ui.at<QLabel>(definition::at(definition::Role::ValueBox));
    value->setFrameStyle(QFrame::Box | QFrame::Plain);
    value->setLineWidth(1);
    setBackground(value, value->palette().color(QPalette::Base));
    setRole(value, QPalette::WindowText, value->palette().color(QPalette::Text));

    auto *heading = ui.at<QLabel>(definition::at(definition::Role::Title));
    heading->setFont(windowFont(titleFontPixels));
}

} // namespace look
