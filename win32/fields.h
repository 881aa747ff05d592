// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The fields' interface over Windows' own controls.

#include "form/definition.h"
#include "form/fields.h"
#include "win32/controls.h"

#include <optional>

class Win32Fields : public form::Fields
{
public:
    explicit Win32Fields(const controls::Windows &made) : made_(made) {}

    // Whether a write from code is under way: the controls' notifications are then
    // the program's own, not the user's.
    bool writing() const { return writing_ > 0; }
    definition::Colour background() const { return background_; }
    HWND control(form::Field field) const { return made_[definition::rowOf(field)]; }

    std::u16string text(form::Field field) const override;
    void setText(form::Field field, std::u16string_view text) override;
    void setListText(form::Field field, std::u16string_view text) override;
    void fillList(form::Field field, std::span<const std::u16string_view> items) override;
    void setCaption(form::Field field, std::u16string_view caption) override;
    void showJoint(calc::Joint joint) override;
    void setBackground(form::Background background) override;

    // Names the value box and the picture box with what they show, for screen readers.
    void nameValues();

    // The item of a list at `index`, whole.
    static std::u16string itemOf(HWND list, int index);

private:
    const controls::Windows &made_;
    int writing_ = 0;
    definition::Colour background_ = definition::definedBackground;
    std::optional<calc::Joint> joint_;
};
