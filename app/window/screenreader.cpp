// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/screenreader.h"

#include "app/window/builder.h"
#include "app/window/qtext.h"
#include "form/accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace screenreader {

void nameControls(const builder::Controls &ui)
{
    for (std::size_t row = 0; row < definition::count; ++row) {
        const std::u16string name = accessibility::nameOf(row);
        // Where the logic has no name, the control's own text is its name.
        if (name.empty())
            continue;
        QWidget *control = ui.at(row);
        control->setAccessibleName(qtext::toQt(name));
        // An editable list reports its text as its name; its edit field keeps the caption.
        if (auto *list = qobject_cast<QComboBox *>(control))
            list->lineEdit()->setAccessibleName(qtext::toQt(name));
    }
    for (const definition::Caption &pair : definition::captions)
        if (definition::takesFocus(definition::controls[pair.field]))
            ui.at<QLabel>(pair.caption)->setBuddy(ui.at(pair.field));
}

} // namespace screenreader
