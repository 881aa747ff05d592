// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's definition, for every front end: its own properties and its 32 controls
// with their stored texts, geometry and tab order; the colours and faces; each field's
// key rule and paste policy; and which caption names which field. Positions and sizes
// are in twips, 15 to a logical pixel. Pictures are named by joint.

#include "calc/tables.h"
#include "form/fields.h"
#include "form/keyrule.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

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

// What a control is for, where its kind does not say it all.
enum class Role {
    Plain,    // as its kind
    Title,    // the title line: a larger face, centred from the top
    ValueBox, // a label that shows a value in a box of its own: opaque, bordered, centred
    Hidden,   // a working field: never shown, never focused
    Picture,  // the box the chosen joint's drawing shows in
    Exit,     // the button that ends the program
};

// For a line the geometry is X1, Y1, X2, Y2. An image control holds the picture of
// the joint that ends its name (jointImages).
struct Control {
    std::u16string_view name;
    Kind kind;
    Container container;
    int left, top, width, height;
    int tabIndex;
    std::u16string_view text;
    Role role = Role::Plain;
};

// In the defined order.
inline constexpr std::array<Control, 32> controls{{
    {u"Комбо6", Kind::Combo, Container::Window, 1440, 2520, 1695, 360, 20, u"Комбо6"},
    {u"Рамка1", Kind::Frame, Container::Window, 120, 600, 6375, 1695, 16, u""},
    {u"Комбо5", Kind::Combo, Container::Frame, 1800, 240, 4455, 360, 17, u"Комбо5"},
    {u"Метка9", Kind::Label, Container::Frame, 120, 240, 1575, 495, 19, u"Область применения"},
    {u"Метка10", Kind::Label, Container::Frame, 120, 720, 6150, 975, 18, u"Метка10"},
    {u"Комбо4", Kind::Combo, Container::Window, 2400, 4440, 1935, 360, 15, u"Комбо4"},
    {u"Комманда1", Kind::Button, Container::Window, 4920, 5640, 1575, 375, 13, u"Выход",
     Role::Exit},
    {u"Рисунок1", Kind::Picture, Container::Window, 4560, 3000, 1935, 1455, 12, u"", Role::Picture},
    {u"Комбо3", Kind::Combo, Container::Window, 2040, 3960, 2295, 360, 11, u"Комбо3"},
    {u"Текст3", Kind::Text, Container::Window, 2760, 5640, 1575, 375, 9, u"Текст3"},
    {u"Текст2", Kind::Text, Container::Window, 3840, 4935, 1575, 360, 6, u"Текст2"},
    {u"Текст1", Kind::Text, Container::Window, 5400, 4920, 1215, 375, 4, u"Текст1", Role::Hidden},
    {u"Комбо2", Kind::Combo, Container::Window, 3480, 3495, 855, 360, 3, u"Комбо2"},
    {u"Комбо1", Kind::Combo, Container::Window, 3480, 3015, 855, 360, 1, u"Комбо1"},
    {u"Метка13", Kind::Label, Container::Window, 4560, 2520, 1935, 375, 23, u"Метка13",
     Role::ValueBox},
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
     u"Ориентировочный расчет электродов", Role::Title},
    {u"Метка5", Kind::Label, Container::Window, 120, 5745, 2535, 375, 7, u"Масса электродов,  кг"},
    {u"Метка4", Kind::Label, Container::Window, 120, 5040, 3735, 375, 5,
     u"Общая длина сварных швов, мм"},
    {u"Метка2", Kind::Label, Container::Window, 120, 3600, 3375, 375, 2,
     u"Тип соединения . . . . . . . . . . . . "},
    {u"Метка1", Kind::Label, Container::Window, 120, 3120, 3255, 255, 0,
     u"Катет шва  . . . . . . . . . . . . . . . . ."},
}};

inline constexpr std::size_t count = controls.size();

// Reached in a constant expression only where the definition lacks what is asked for:
// not being constexpr, it fails the build there.
inline void notInTheDefinition() {}

// The row of the named control in the definition, checked at compile time: a name or
// a kind that the definition does not have fails the build.
consteval std::size_t at(std::u16string_view name)
{
    for (std::size_t i = 0; i < count; ++i)
        if (controls[i].name == name)
            return i;
    notInTheDefinition();
    return count;
}
consteval std::size_t at(std::u16string_view name, Kind kind)
{
    const std::size_t row = at(name);
    if (controls[row].kind != kind)
        notInTheDefinition();
    return row;
}
// The one control of a role.
consteval std::size_t at(Role role)
{
    for (std::size_t i = 0; i < count; ++i)
        if (controls[i].role == role)
            return i;
    notInTheDefinition();
    return count;
}

// The row of a name that comes from outside the program (a test's argument), if the
// definition has it.
constexpr std::optional<std::size_t> find(std::u16string_view name)
{
    for (std::size_t i = 0; i < count; ++i)
        if (controls[i].name == name)
            return i;
    return std::nullopt;
}

// The frame, which holds the controls whose container is the frame.
inline constexpr std::size_t frameRow = at(u"Рамка1", Kind::Frame);

// The row of each field, in the order of form::Field.
inline constexpr std::array<std::size_t, form::fieldCount> fieldRows{
    at(u"Комбо1", Kind::Combo),  at(u"Комбо2", Kind::Combo),  at(u"Комбо3", Kind::Combo),
    at(u"Комбо4", Kind::Combo),  at(u"Комбо5", Kind::Combo),  at(u"Комбо6", Kind::Combo),
    at(u"Текст1", Kind::Text),   at(u"Текст2", Kind::Text),   at(u"Текст3", Kind::Text),
    at(u"Метка10", Kind::Label), at(u"Метка13", Kind::Label),
};
static_assert([] {
    for (std::size_t i = 0; i < form::fieldCount; ++i)
        if (controls[fieldRows[i]].name != form::nameOf(form::Field(i)))
            return false;
    return true;
}());

constexpr std::size_t rowOf(form::Field field)
{
    return fieldRows[std::size_t(field)];
}

// The field a row holds, if it holds one.
constexpr std::optional<form::Field> fieldAt(std::size_t row)
{
    for (std::size_t i = 0; i < form::fieldCount; ++i)
        if (fieldRows[i] == row)
            return form::Field(i);
    return std::nullopt;
}

// How a control places its text: text boxes centre it; labels wrap it from the top
// left, but for the title (centred, from the top) and a value box (centred).
enum class Align { TopLeft, Centre, TopCentre };

constexpr Align alignmentOf(const Control &c)
{
    if (c.kind == Kind::Text || c.role == Role::ValueBox)
        return Align::Centre;
    if (c.role == Role::Title)
        return Align::TopCentre;
    return Align::TopLeft;
}

constexpr bool wrapsText(const Control &c)
{
    return c.kind == Kind::Label;
}

// The image controls only hold pictures; a working field is never shown.
constexpr bool isShown(const Control &c)
{
    return c.kind != Kind::Image && c.role != Role::Hidden;
}

// Whether the keyboard focus stops at the control: the shown lists, boxes, the
// picture and the button. Labels and the frame have a tab index but never take it.
constexpr bool takesFocus(const Control &c)
{
    return isShown(c) && c.tabIndex != noTabStop &&
           (c.kind == Kind::Combo || c.kind == Kind::Text || c.kind == Kind::Picture ||
            c.kind == Kind::Button);
}

// Every row in the order of the tab indices, the rows without one last, each group in
// the defined order: the order the focus follows, and the order of the siblings.
inline constexpr std::array<std::size_t, count> tabOrder = [] {
    std::array<std::size_t, count> order{};
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    const auto key = [](std::size_t row) {
        const int t = controls[row].tabIndex;
        return t == noTabStop ? int(count) + 1000 : t;
    };
    // A stable insertion sort, which a constant expression can run.
    for (std::size_t i = 1; i < count; ++i)
        for (std::size_t j = i; j > 0 && key(order[j]) < key(order[j - 1]); --j)
            std::swap(order[j], order[j - 1]);
    return order;
}();

struct Colour {
    int red, green, blue;
};

// The contrast of two colours as the Web Content Accessibility Guidelines measure it,
// from 1 (the same) to 21 (black on white): text needs 4.5 to be read by most.
double contrast(Colour a, Colour b);
inline constexpr double readableContrast = 4.5;

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
    std::size_t row;
    Part part;
    Colour colour;
};

inline constexpr std::array<ControlColour, 5> controlColours{{
    {at(u"Метка9", Kind::Label), Part::Text, areaCaption},
    {at(Role::Exit), Part::Face, exitButton},
    {at(u"Текст3", Kind::Text), Part::Text, result},
    {at(u"Метка5", Kind::Label), Part::Text, result},
    {at(Role::Title), Part::Text, title},
}};

// The window's face, bold: 9.75 pt, the title 13.5 pt, at 96 dpi.
inline constexpr int fontPixels = 13;
inline constexpr int titleFontPixels = 18;

// Whether text may arrive without being typed: a paste, a drop or a middle click.
enum class Pastes { Taken, Refused };

struct FieldRule {
    form::Field field;
    std::u16string_view allowed; // typed characters besides backspace
    Pastes pastes;
};

inline constexpr std::array<FieldRule, 9> fieldRules{{
    {form::Field::Комбо1, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Комбо2, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Комбо3, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Комбо4, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Комбо5, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Комбо6, keyrule::noCharacters, Pastes::Taken},
    {form::Field::Текст1, keyrule::digitsAndComma, Pastes::Taken},
    {form::Field::Текст2, keyrule::digits, Pastes::Taken},
    {form::Field::Текст3, keyrule::noCharacters, Pastes::Refused},
}};

// The rule of a field that takes keys, or nothing for a label.
constexpr const FieldRule *ruleOf(form::Field field)
{
    for (const FieldRule &rule : fieldRules)
        if (rule.field == field)
            return &rule;
    return nullptr;
}

// Which caption names which field, for screen readers: a field is read by its
// caption's words.
struct Caption {
    std::size_t caption;
    std::size_t field;
};

inline constexpr std::array<Caption, 9> captions{{
    {at(u"Метка1", Kind::Label), at(u"Комбо1", Kind::Combo)},
    {at(u"Метка2", Kind::Label), at(u"Комбо2", Kind::Combo)},
    {at(u"Метка7", Kind::Label), at(u"Комбо3", Kind::Combo)},
    {at(u"Метка8", Kind::Label), at(u"Комбо4", Kind::Combo)},
    {at(u"Метка9", Kind::Label), at(u"Комбо5", Kind::Combo)},
    {at(u"Метка11", Kind::Label), at(u"Комбо6", Kind::Combo)},
    {at(u"Метка12", Kind::Label), at(Role::ValueBox)},
    {at(u"Метка4", Kind::Label), at(u"Текст2", Kind::Text)},
    {at(u"Метка5", Kind::Label), at(u"Текст3", Kind::Text)},
}};

// The image control that holds each joint's picture, by calc::Joint.
inline constexpr std::array<std::size_t, 6> jointImages{
    at(u"И_Н1", Kind::Image), at(u"И_Н2", Kind::Image), at(u"И_Т1", Kind::Image),
    at(u"И_Т3", Kind::Image), at(u"И_У4", Kind::Image), at(u"И_У5", Kind::Image),
};

} // namespace definition
