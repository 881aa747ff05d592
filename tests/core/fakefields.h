// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The window's fields as a store of texts, for the logic's tests: it keeps every
// field's text, the lists' items, the picture and the background, and logs every write
// in order. As the contract says, no write raises anything.

#include "form/form.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class FakeFields : public form::Fields
{
public:
    static constexpr std::size_t count = form::fieldCount;

    FakeFields()
    {
        // The stored texts of the definition.
        for (std::size_t i = 0; i < count; ++i)
            texts[i] = std::u16string(name(form::Field(i)));
    }

    std::array<std::u16string, count> texts;
    std::array<std::vector<std::u16string>, count> items;
    std::optional<calc::Joint> joint;
    form::Background background = form::Background::Defined;
    std::vector<std::u16string> writes; // "Текст1 = 1,7", "AA", …

    static std::u16string_view name(form::Field field) { return form::nameOf(field); }

    std::u16string &at(form::Field field) { return texts[std::size_t(field)]; }

    std::u16string text(form::Field field) const override { return texts[std::size_t(field)]; }
    void setText(form::Field field, std::u16string_view text) override
    {
        log(field, u" = ", text);
        at(field) = text;
    }
    void setListText(form::Field field, std::u16string_view text) override
    {
        log(field, u" := ", text);
        at(field) = text;
    }
    void fillList(form::Field field, std::span<const std::u16string_view> list) override
    {
        log(field, u" items ", list.empty() ? u"" : list.front());
        items[std::size_t(field)].assign(list.begin(), list.end());
    }
    void setCaption(form::Field field, std::u16string_view caption) override
    {
        log(field, u" caption ", caption);
        at(field) = caption;
    }
    void showJoint(calc::Joint shown) override
    {
        writes.push_back(u"picture " + std::u16string(calc::joints[std::size_t(shown)].name));
        joint = shown;
    }
    void setBackground(form::Background shown) override
    {
        writes.push_back(shown == form::Background::Loaded ? u"background loaded"
                                                           : u"background defined");
        background = shown;
    }

private:
    void log(form::Field field, std::u16string_view how, std::u16string_view text)
    {
        writes.push_back(std::u16string(name(field)) + std::u16string(how) + std::u16string(text));
    }
};
