// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/accessibility.h"

#include "app/window/definition.h"
#include "app/window/qtext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace accessibility {

QString nameFromCaption(QStringView caption)
{
    qsizetype end = caption.size();
    while (end > 0 && (caption[end - 1] == u'.' || caption[end - 1].isSpace()))
        --end;
    return caption.first(end).toString().simplified();
}

void nameFields(const definition::Controls &ui)
{
    QWidget *form = ui.Комбо1->window();
    for (const definition::Caption &pair : definition::captions) {
        auto *caption = form->findChild<QLabel *>(qtext::toQt(pair.caption));
        auto *field = form->findChild<QWidget *>(qtext::toQt(pair.field));
        const QString name = nameFromCaption(caption->text());
        field->setAccessibleName(name);
        // An editable list reports its text as its name; its edit field keeps the caption.
        if (auto *list = qobject_cast<QComboBox *>(field))
            list->lineEdit()->setAccessibleName(name);
        if (field->focusPolicy() != Qt::NoFocus)
            caption->setBuddy(field);
    }
    ui.Рисунок1->setAccessibleName(QStringLiteral("Чертеж соединения"));
}

QString jointDescription(QStringView joint)
{
    return QStringLiteral("Тип соединения ") + joint.toString();
}

} // namespace accessibility
