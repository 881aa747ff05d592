// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/accessibility.h"

#include "app/window/definition.h"
#include "app/window/qtext.h"
#include "form/accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace accessibility {

void nameFields(const definition::Controls &ui)
{
    QWidget *form = ui.Комбо1->window();
    for (const definition::Caption &pair : definition::captions) {
        auto *caption = form->findChild<QLabel *>(qtext::toQt(pair.caption));
        auto *field = form->findChild<QWidget *>(qtext::toQt(pair.field));
        const QString name = qtext::toQt(nameFromCaption(qtext::fromQt(caption->text())));
        field->setAccessibleName(name);
        // An editable list reports its text as its name; its edit field keeps the caption.
        if (auto *list = qobject_cast<QComboBox *>(field))
            list->lineEdit()->setAccessibleName(name);
        if (field->focusPolicy() != Qt::NoFocus)
            caption->setBuddy(field);
    }
    ui.Рисунок1->setAccessibleName(qtext::toQt(pictureName));
}

} // namespace accessibility
