// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's controls as the toolkit's widgets, made from the definition.

#include "form/definition.h"
#include "form/fields.h"

#include <array>
#include <cstddef>

class QComboBox;
class QWidget;

namespace builder {

// The controls the window's code works with, as the definition made them.
struct Controls {
    // Every control, by its row in the definition.
    std::array<QWidget *, definition::count> rows{};

    // The control at a row, as the widget its kind makes: a list is a QComboBox, a
    // text box a QLineEdit, a label, the picture box and an image control a QLabel,
    // the button a QPushButton, the frame a QFrame.
    template <typename T = QWidget> T *at(std::size_t row) const
    {
        return static_cast<T *>(rows[row]);
    }
    // The control that shows a field.
    template <typename T = QWidget> T *of(form::Field field) const
    {
        return at<T>(definition::rowOf(field));
    }
};

// Creates every control of the definition as a child of the form, or of the frame,
// with its stored text, and puts them in the defined tab order. The lists' items are
// the window's logic's to give.
Controls build(QWidget *form);

// Whether the list is inside its own handling of the end of an edit (Enter, or the
// focus leaving), where it makes an item of the same text current by itself.
bool isEditingFinishing(const QComboBox *list);

} // namespace builder
