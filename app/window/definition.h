// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's controls as the toolkit's widgets, made from the definition.

#include "form/definition.h"

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace definition {

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
