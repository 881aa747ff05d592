// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "web/pagefields.h"

#include "form/accessibility.h"
#include "form/definition.h"

#include <algorithm>
#include <array>

// What the page's script does with its controls.
#define PAGE(name) __attribute__((import_module("page"), import_name(#name)))
extern "C" {
// Writes the field's text into `buffer` (`capacity` code units at most); its length.
PAGE(text) int pageText(int field, char16_t *buffer, int capacity);
PAGE(setText) void pageSetText(int field, const char16_t *text, int length);
PAGE(setListText) void pageSetListText(int field, const char16_t *text, int length);
PAGE(clearList) void pageClearList(int field);
PAGE(addItem) void pageAddItem(int field, const char16_t *text, int length);
PAGE(setCaption) void pageSetCaption(int field, const char16_t *text, int length);
// The control at `row` of the definition is read by this name.
PAGE(setName) void pageSetName(int row, const char16_t *text, int length);
// The picture box shows the joint's drawing, described by `text`.
PAGE(showJoint) void pageShowJoint(int joint, const char16_t *text, int length);
PAGE(setBackground) void pageSetBackground(int loaded);
}

namespace {

void named(std::size_t row, std::u16string_view shown)
{
    const std::u16string name = accessibility::nameShowing(row, shown);
    pageSetName(int(row), name.data(), int(name.size()));
}

} // namespace

std::u16string PageFields::text(form::Field field) const
{
    // A field holds what a user can type or paste: a field's text beyond this is cut.
    static std::array<char16_t, 1 << 16> reply;
    const int length = pageText(int(field), reply.data(), int(reply.size()));
    return {reply.data(), std::size_t(std::clamp(length, 0, int(reply.size())))};
}

void PageFields::setText(form::Field field, std::u16string_view text)
{
    pageSetText(int(field), text.data(), int(text.size()));
}

void PageFields::setListText(form::Field field, std::u16string_view text)
{
    pageSetListText(int(field), text.data(), int(text.size()));
}

void PageFields::fillList(form::Field field, std::span<const std::u16string_view> items)
{
    pageClearList(int(field));
    for (const std::u16string_view item : items)
        pageAddItem(int(field), item.data(), int(item.size()));
}

void PageFields::setCaption(form::Field field, std::u16string_view caption)
{
    pageSetCaption(int(field), caption.data(), int(caption.size()));
    // A value box is read by its caption and the value it shows.
    const std::size_t row = definition::rowOf(field);
    if (definition::controls[row].role == definition::Role::ValueBox)
        named(row, caption);
}

void PageFields::showJoint(calc::Joint joint)
{
    const std::u16string description = accessibility::jointDescription(joint);
    pageShowJoint(int(joint), description.data(), int(description.size()));
    named(definition::at(definition::Role::Picture), calc::joints[std::size_t(joint)].name);
}

void PageFields::setBackground(form::Background background)
{
    pageSetBackground(background == form::Background::Loaded);
}
