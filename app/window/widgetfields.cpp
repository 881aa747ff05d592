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

WidgetFields::WidgetFields(QWidget *window, const builder::Controls &ui) : window_(window), ui_(ui)
{}

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
    // A label that shows a value is read by its caption's words and the value.
    const std::u16string name = accessibility::nameShowing(definition::rowOf(field), caption);
    if (!name.empty())
        label->setAccessibleName(toQt(name));
}

void WidgetFields::showJoint(calc::Joint joint)
{
    const QPixmap picture = ui_.at<QLabel>(definition::jointImages[std::size_t(joint)])->pixmap();
    constexpr std::size_t row = definition::at(definition::Role::Picture);
    auto *box = ui_.at<QLabel>(row);
    if (box->pixmap().cacheKey() == picture.cacheKey())
        return;
    box->setPixmap(picture);
    box->setAccessibleName(
        toQt(accessibility::nameShowing(row, calc::joints[std::size_t(joint)].name)));
    box->setAccessibleDescription(toQt(accessibility::jointDescription(joint)));
}

void WidgetFields::setBackground(form::Background background)
{
    look::setBackground(window_, background == form::Background::Loaded ? look::loadedBackground
                                                                        : look::definedBackground);
}
