// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window definition: its own properties and its controls, with their stored texts,
// item lists and geometry. Positions and sizes are in twips, 15 to a logical pixel.

#include <QStringView>
#include <array>
#include <string_view>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace definition {

inline constexpr int twipsPerPixel = 15;
constexpr int px(int twips)
{
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((half - twips) / twipsPerPixel);
}

inline constexpr QStringView formName = u"Форма1";
inline constexpr QStringView formTitle = u"Орвела";
inline constexpr int formWidth = 6705; // client area, twips
inline constexpr int formHeight = 6120;

enum class Kind { Combo, Frame, Label, Text, Button, Picture, Line, Image };
enum class Container { Window, Frame };

inline constexpr int noTabStop = -1;

// For a line the geometry is X1, Y1, X2, Y2; for an image control the text is the
// picture it holds.
struct Control {
    QStringView name;
    Kind kind;
    Container container;
    int left, top, width, height;
    int tabIndex;
    QStringView text;
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
    {u"И_У5", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/u5.bmp"},
    {u"И_У4", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/u4.bmp"},
    {u"И_Т3", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/t3.bmp"},
    {u"И_Т1", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/t1.bmp"},
    {u"И_Н2", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/n2.bmp"},
    {u"И_Н1", Kind::Image, Container::Window, -240, -240, 1800, 1425, noTabStop, u":/n1.bmp"},
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
consteval std::size_t at(QStringView name, Kind kind)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QStringView n = controls[i].name;
        if (std::u16string_view(n.utf16(), std::size_t(n.size())) ==
                std::u16string_view(name.utf16(), std::size_t(name.size())) &&
            controls[i].kind == kind)
            return i;
    }
    throw "no such control in the definition";
}

// The controls the window's code works with, typed, as the definition made them.
struct Controls {
    QComboBox *Комбо1, *Комбо2, *Комбо3, *Комбо4, *Комбо5, *Комбо6;
    QLineEdit *Текст1, *Текст2, *Текст3;
    QFrame *Рамка1;
    // The captions that name a field, the area description, the title, the type.
    QLabel *Метка1, *Метка2, *Метка4, *Метка5, *Метка6, *Метка7, *Метка8, *Метка9, *Метка11,
        *Метка12;
    QLabel *Метка10, *Метка13;
    QLabel *Рисунок1;
    QPushButton *Комманда1;
    QWidget *Строка1, *Строка2;
    // The image controls И_Н1 to И_У5, indexed by calc::Joint.
    std::array<QLabel *, 6> images;
};

// Creates every control of the definition as a child of the form, or of the frame.
Controls build(QWidget *form);

// Whether the list is inside its own handling of the end of an edit (Enter, or the
// focus leaving), where it makes an item of the same text current by itself.
bool isEditingFinishing(const QComboBox *list);

} // namespace definition
