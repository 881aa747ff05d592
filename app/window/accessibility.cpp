// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/accessibility.h"

#include "app/window/definition.h"

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
    struct Pair {
        QLabel *caption;
        QWidget *field;
    };
    const Pair pairs[] = {
        {ui.Метка1, ui.Комбо1},   {ui.Метка2, ui.Комбо2}, {ui.Метка7, ui.Комбо3},
        {ui.Метка8, ui.Комбо4},   {ui.Метка9, ui.Комбо5}, {ui.Метка11, ui.Комбо6},
        {ui.Метка12, ui.Метка13}, {ui.Метка4, ui.Текст2}, {ui.Метка5, ui.Текст3},
    };
    for (const Pair &p : pairs) {
        const QString name = nameFromCaption(p.caption->text());
        p.field->setAccessibleName(name);
        // An editable list reports its text as its name; its edit field keeps the caption.
        if (auto *list = qobject_cast<QComboBox *>(p.field))
            list->lineEdit()->setAccessibleName(name);
        if (p.field->focusPolicy() != Qt::NoFocus)
            p.caption->setBuddy(p.field);
    }
    ui.Рисунок1->setAccessibleName(QStringLiteral("Чертеж соединения"));
}

QString jointDescription(QStringView joint)
{
    return QStringLiteral("Тип соединения ") + joint.toString();
}

} // namespace accessibility
