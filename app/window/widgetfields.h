// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's fields over the toolkit's widgets, as the window's logic reads and
// writes them.

#include "app/window/builder.h"
#include "form/fields.h"

class QWidget;

class WidgetFields : public form::Fields
{
public:
    WidgetFields(QWidget *window, const builder::Controls &ui);

    std::u16string text(form::Field field) const override;
    void setText(form::Field field, std::u16string_view text) override;
    void setListText(form::Field field, std::u16string_view text) override;
    void fillList(form::Field field, std::span<const std::u16string_view> items) override;
    void setCaption(form::Field field, std::u16string_view caption) override;
    void showJoint(calc::Joint joint) override;
    void setBackground(form::Background background) override;

    QWidget *widget(form::Field field) const { return ui_.of(field); }

private:
    QWidget *window_;
    const builder::Controls &ui_;
};
