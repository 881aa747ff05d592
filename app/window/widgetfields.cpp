// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/window/widgetfields.h"

#include "app/window/look.h"
#include "app/window/qtext.h"
#include "calc/tables.h"
#include "form/accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using form::Field;
using qtext::fromQt;
using qtext::toQt;

WidgetFields::WidgetFields(QWidget *window, const definition::Controls &ui)
    : window_(window), ui_(ui)
{
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        widgets_[i] = window->findChild<QWidget *>(toQt(form::nameOf(Field(i))));
}

std::u16string WidgetFields::text(Field field) const
{
    QWidget *w = widget(field);
    if (auto *list = qobject_cast<QComboBox *>(w))
        return list->currentText().toStdU16String();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text().toStdU16String();
    return static_cast<QLabel *>(w)->text().toStdU16String();
}

void WidgetFields::setText(Field field, std::u16string_view text)
{
    auto *edit = static_cast<QLineEdit *>(widget(field));
    edit->setText(toQt(text));
    // The result's first digits in sight: a text longer than the field starts at its
    // beginning, so that the magnitude is never misread.
    if (field == Field::Текст3)
        edit->setCursorPosition(0);
}

void WidgetFields::setListText(Field field, std::u16string_view text)
{
    auto *list = static_cast<QComboBox *>(widget(field));
    const QString t = toQt(text);
    const int index = list->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(t);
}

void WidgetFields::fillList(Field field, std::span<const std::u16string_view> items)
{
    auto *list = static_cast<QComboBox *>(widget(field));
    list->clear();
    for (const std::u16string_view item : items)
        list->addItem(toQt(item));
}

void WidgetFields::setCaption(Field field, std::u16string_view caption)
{
    auto *label = static_cast<QLabel *>(widget(field));
    label->setText(toQt(caption));
    // The type is a value, not a caption: a screen reader reads it as the description
    // of the label that names it.
    if (field == Field::Метка13)
        label->setAccessibleDescription(toQt(caption));
}

void WidgetFields::showJoint(calc::Joint joint)
{
    const QPixmap picture = ui_.images[std::size_t(joint)]->pixmap();
    if (ui_.Рисунок1->pixmap().cacheKey() == picture.cacheKey())
        return;
    ui_.Рисунок1->setPixmap(picture);
    ui_.Рисунок1->setAccessibleDescription(
        toQt(accessibility::jointDescription(joint)));
}

void WidgetFields::setBackground(form::Background background)
{
    look::setBackground(window_, background == form::Background::Loaded ? look::loadedBackground
                                                                        : look::definedBackground);
}
