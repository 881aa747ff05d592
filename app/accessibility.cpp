// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/accessibility.h"

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

void nameFields(QWidget *form)
{
    struct Pair {
        const char16_t *caption;
        const char16_t *field;
    };
    static constexpr Pair pairs[] = {
        {u"Метка1", u"Комбо1"},  {u"Метка2", u"Комбо2"},  {u"Метка7", u"Комбо3"},
        {u"Метка8", u"Комбо4"},  {u"Метка9", u"Комбо5"},  {u"Метка11", u"Комбо6"},
        {u"Метка12", u"Метка13"}, {u"Метка4", u"Текст2"}, {u"Метка5", u"Текст3"},
    };
    for (const Pair &p : pairs) {
        auto *caption = form->findChild<QLabel *>(QString::fromUtf16(p.caption));
        auto *field = form->findChild<QWidget *>(QString::fromUtf16(p.field));
        const QString name = nameFromCaption(caption->text());
        field->setAccessibleName(name);
        // An editable list reports its text as its name; its edit field keeps the caption.
        if (auto *list = qobject_cast<QComboBox *>(field))
            list->lineEdit()->setAccessibleName(name);
        if (field->focusPolicy() != Qt::NoFocus)
            caption->setBuddy(field);
    }
    form->findChild<QWidget *>(QStringLiteral("Рисунок1"))
        ->setAccessibleName(QStringLiteral("Чертеж соединения"));
}

QString jointDescription(QStringView joint)
{
    return QStringLiteral("Тип соединения ") + joint.toString();
}

} // namespace accessibility
