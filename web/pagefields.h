// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The fields' interface over the page's controls: every read and write goes to the
// page's script (page.js), which holds no rule of its own.

#include "form/fields.h"

class PageFields : public form::Fields
{
public:
    std::u16string text(form::Field field) const override;
    void setText(form::Field field, std::u16string_view text) override;
    void setListText(form::Field field, std::u16string_view text) override;
    void fillList(form::Field field, std::span<const std::u16string_view> items) override;
    void setCaption(form::Field field, std::u16string_view caption) override;
    void showJoint(calc::Joint joint) override;
    void setBackground(form::Background background) override;
};
