// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's definition, for every front end: its own properties and its 32 controls
// with their stored texts, geometry and tab order; the colours and faces; each field's
// key rule and paste policy; and which caption names which field. Positions and sizes
// are in twips, 15 to a logical pixel. Pictures are named by joint.

#include "calc/tables.h"
#include "form/keyrule.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace definition {

inline constexpr int twipsPerPixel = 15;
constexpr int px(int twips)
{
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((half - twips) / twipsPerPixel);
}

inline constexpr std::u16string_view formName = u"Форма1";
inline constexpr std::u16string_view formTitle = u"Орвела";
inline constexpr int formWidth = 6705; // client area, twips
inline constexpr int formHeight = 6120;

enum class Kind { Combo, Frame, Label, Text, Button, Picture, Line, Image };
enum class Container { Window, Frame };

inline constexpr int noTabStop = -1;

// For a line the geometry is X1, Y1, X2, Y2. An image control holds the picture of
// the joint that ends its name (jointImages).
struct Control {
    std::u16string_view name;
    Kind kind;
    Container container;
    int left, top, width, height;
    int tabIndex;
    std::u16string_view text;
};

// In the defined order.
inline constexpr std::array<Control, 32> controls{{
    {u"Комбо6", Kind::Combo, Container::Window, 1440, 2520, 1695, 360, 20, u"Комбо6"},
    {u"Рамка1", Kind::Frame, Container::Window, 120, 600, 6375, 1695, 16, u""},
    {u"Комбо5", Kind::Combo, Container::Frame, 1800, 240, 4455, 360, 17, u"Комбо5"},
    {u"Метка9", Kind::Label, Container::Frame, 120, 240, 1575, 495, 19, u"Область применения"},
    {u"Метка10", Kind::Label, Container::Frame, 120, 720, 6150, 975, 18, u"Метка10"},
    {u"Комбо4", Kind::Combo, Container::Window, 2400, 4440, 1935, 360, 15, u"Комбо4"},
    {u"Комманда1", Kind::Button, Container::Window, 4920, 5640, 1575, 375, 13, u"Выход"},
    {u"Рисунок1", Kind::Picture, Container::Window, 4560, 3000, 1935, 1455, 12, u""},
    {u"Комбо3", Kind::Combo, Container::Window, 2040, 3960, 2295, 360, 11, u"Комбо3"},
    {u"Текст3", Kind::Text, Container::Window, 2760, 5640, 1575, 375, 9, u"Текст3"},
    {u"Текст2", Kind::Text, Container::Window, 3840, 4935, 1575, 360, 6, u"Текст2"},
    {u"Текст1", Kind::Text, Container::Window, 5400, 4920, 1215, 375, 4, u"Текст1"},
    {u"Комбо2", Kind::Combo, Container::Window, 3480, 3495, 855, 360, 3, u"Комбо2"},
    {u"Комбо1", Kind::Combo, Container::Window, 3480, 3015, 855, 360, 1, u"Комбо1"},
    {u"Метка13", Kind::Label, Container::Window, 4560, 2520, 1935, 375, 23, u"Метка13"},
    {u"Метка12", Kind::Label, Container::Window, 3240, 2400, 1215, 615, 22, u"Тип электрода"},
    {u"Метка11", Kind::Label, Container::Window, 120, 2400, 1335, 615, 21, u"Марка электрода"},
    {u"Строка2", Kind::Line, Container::Window, 120, 5475, 6480, 5475, noTabStop, u""},
    {u"Метка8", Kind::Label, Container::Window, 120, 4560, 2295, 375, 14,
     u"Шов . . . . . . . . . . . . . . ."},
    {u"Строка1", Kind::Line, Container::Window, 120, 5520, 6480, 5520, noTabStop, u""},
    {u"И_У5", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"И_У4", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"И_Т3", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"И_Т1", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"И_Н2", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"И_Н1", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u""},
    {u"Метка7", Kind::Label, Container::Window, 120, 4080, 1935, 255, 10, u"Положение . . . . . ."},
    {u"Метка6", Kind::Label, Container::Window, 0, 120, 6615, 495, 8,
     u"Ориентировочный расчет электродов"},
    {u"Метка5", Kind::Label, Container::Window, 120, 5745, 2535, 375, 7, u"Масса электродов,  кг"},
    {u"Метка4", Kind::Label, Container::Window, 120, 5040, 3735, 375, 5,
     u"Общая длина сварных швов, мм"},
    {u"Метка2", Kind::Label, Container::Window, 120, 3600, 3375, 375, 2,
     u"Тип соединения . . . . . . . . . . . . "},
    {u"Метка1", Kind::Label, Container::Window, 120, 3120, 3255, 255, 0,
     u"Катет шва  . . . . . . . . . . . . . . . . ."},
}};

// The index of the named control in the definition, checked at compile time: a name
// or a kind that the definition does not have fails the build.
consteval std::size_t at(std::u16string_view name, Kind kind)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == name && controls[i].kind == kind)
            return i;
    throw "no such control in the definition";
}

// How a control places its text: text boxes centre it; labels wrap it from the top
// left, but for the title (centred, from the top) and the type (centred).
enum class Align { TopLeft, Centre, TopCentre };

constexpr Align alignmentOf(const Control &c)
{
    if (c.kind == Kind::Text || c.name == u"Метка13")
        return Align::Centre;
    if (c.name == u"Метка6")
        return Align::TopCentre;
    return Align::TopLeft;
}

constexpr bool wrapsText(const Control &c)
{
    return c.kind == Kind::Label;
}

// The image controls only hold pictures; the coefficient field is a working field,
// never shown and never focused.
constexpr bool isShown(const Control &c)
{
    return c.kind != Kind::Image && c.name != u"Текст1";
}

struct Colour {
    int red, green, blue;
};

inline constexpr Colour definedBackground{192, 255, 192}; // pale green, as defined
inline constexpr Colour loadedBackground{255, 255, 215};  // pale yellow, after Load
inline constexpr Colour frameBackground{192, 255, 192};
inline constexpr Colour areaCaption{255, 0, 0}; // the area's caption, Метка9
inline constexpr Colour exitButton{255, 224, 192};
inline constexpr Colour result{128, 0, 0}; // the result and its caption
inline constexpr Colour title{192, 0, 0};  // Метка6

// The colours of single controls, besides the window's and the frame's background.
enum class Part { Text, Face };
struct ControlColour {
    std::u16string_view name;
    Part part;
    Colour colour;
};

inline constexpr std::array<ControlColour, 5> controlColours{{
    {u"Метка9", Part::Text, areaCaption},
    {u"Комманда1", Part::Face, exitButton},
    {u"Текст3", Part::Text, result},
    {u"Метка5", Part::Text, result},
    {u"Метка6", Part::Text, title},
}};

// The window's face, bold: 9.75 pt, the title 13.5 pt, at 96 dpi.
inline constexpr int fontPixels = 13;
inline constexpr int titleFontPixels = 18;

// Whether text may arrive without being typed: a paste, a drop or a middle click.
enum class Pastes { Taken, Refused };

struct FieldRule {
    std::u16string_view name;
    std::u16string_view allowed; // typed characters besides backspace
    Pastes pastes;
};

inline constexpr std::array<FieldRule, 9> fieldRules{{
    {u"Комбо1", keyrule::noCharacters, Pastes::Taken},
    {u"Комбо2", keyrule::noCharacters, Pastes::Taken},
    {u"Комбо3", keyrule::noCharacters, Pastes::Taken},
    {u"Комбо4", keyrule::noCharacters, Pastes::Taken},
    {u"Комбо5", keyrule::noCharacters, Pastes::Taken},
    {u"Комбо6", keyrule::noCharacters, Pastes::Taken},
    {u"Текст1", keyrule::digitsAndComma, Pastes::Taken},
    {u"Текст2", keyrule::digits, Pastes::Taken},
    {u"Текст3", keyrule::noCharacters, Pastes::Refused},
}};

// Which caption names which field, for screen readers: a field is read by its
// caption's words.
struct Caption {
    std::u16string_view caption;
    std::u16string_view field;
};

inline constexpr std::array<Caption, 9> captions{{
    {u"Метка1", u"Комбо1"},
    {u"Метка2", u"Комбо2"},
    {u"Метка7", u"Комбо3"},
    {u"Метка8", u"Комбо4"},
    {u"Метка9", u"Комбо5"},
    {u"Метка11", u"Комбо6"},
    {u"Метка12", u"Метка13"},
    {u"Метка4", u"Текст2"},
    {u"Метка5", u"Текст3"},
}};

// The image control that holds each joint's picture, by calc::Joint.
inline constexpr std::array<std::u16string_view, 6> jointImages{
    u"И_Н1", u"И_Н2", u"И_Т1", u"И_Т3", u"И_У4", u"И_У5",
};

} // namespace definition
