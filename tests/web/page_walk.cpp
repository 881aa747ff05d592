// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The shared tables and the walk for the page's driver in Node: the fields' names, the
// key rows, which fields take pastes, and the walk of tests/core/walk.h one step at a
// time. Texts cross in UTF-16 through one buffer; the walk's failures are printed as
// the probe prints them.

#include "core/keyrows.h"
#include "core/walk.h"
#include "form/form.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>

namespace {

char16_t buffer[4096];
std::optional<walk::Walk> walking;
walk::Step step;
std::array<std::u16string, form::fieldCount> shown;

int reply(std::u16string_view text)
{
    const std::size_t length = std::min(text.size(), std::size(buffer));
    text.copy(buffer, length);
    return int(length);
}

const keyrows::Row *keyRow(int row)
{
    return row >= 0 && std::size_t(row) < keyrows::rows.size() ? &keyrows::rows[std::size_t(row)]
                                                               : nullptr;
}

form::Field field(int f)
{
    return form::Field(std::size_t(f) < form::fieldCount ? f : 0);
}

} // namespace

extern "C" {

__attribute__((export_name("buffer"))) char16_t *replyBuffer()
{
    return buffer;
}

__attribute__((export_name("fieldName"))) int fieldName(int f)
{
    return reply(form::nameOf(field(f)));
}

__attribute__((export_name("takesPastes"))) int takesPastes(int f)
{
    return form::Форма1::takesPastes(field(f));
}

__attribute__((export_name("keyRowCount"))) int keyRowCount()
{
    return int(keyrows::rows.size());
}

// The row's name, UTF-8 and ending in a zero.
__attribute__((export_name("keyRowName"))) const char *keyRowName(int row)
{
    return keyRow(row) ? keyRow(row)->name : "";
}

__attribute__((export_name("keyRowField"))) int keyRowField(int row)
{
    return keyRow(row) ? int(keyRow(row)->field) : -1;
}

__attribute__((export_name("keyRowTyped"))) int keyRowTyped(int row)
{
    return keyRow(row) ? reply(keyRow(row)->typed) : 0;
}

__attribute__((export_name("keyRowPasses"))) int keyRowPasses(int row)
{
    return keyRow(row) && keyRow(row)->passes;
}

// A new walk from the window's start values.
__attribute__((export_name("walkStart"))) void walkStart(unsigned seed)
{
    walking.emplace(seed);
}

// Draws the next step: its kind (walk::Kind).
__attribute__((export_name("walkNext"))) int walkNext()
{
    step = walking->next();
    return int(step.kind);
}

// Makes the step on the twin.
__attribute__((export_name("walkApply"))) void walkApply()
{
    walking->apply(step);
}

__attribute__((export_name("stepField"))) int stepField()
{
    return int(step.field);
}

__attribute__((export_name("stepIndex"))) int stepIndex()
{
    return int(step.index);
}

__attribute__((export_name("stepKey"))) int stepKey()
{
    return step.key;
}

__attribute__((export_name("stepText"))) int stepText()
{
    return reply(step.text);
}

// A field's text on the page, from the buffer.
__attribute__((export_name("walkShown"))) void walkShown(int f, int length)
{
    shown[std::size_t(field(f))].assign(buffer, std::size_t(length));
}

// Whether every field on the page is the twin's; the differences are printed.
__attribute__((export_name("walkCompare"))) int walkCompare(unsigned seed, int number)
{
    const std::string row = "walk seed " + std::to_string(seed) + ", step " +
                            std::to_string(number) + " (" + step.what() + ")";
    const bool same = walking->compare([](form::Field f) { return shown[std::size_t(f)]; }, row);
    std::fflush(stdout);
    return same;
}

} // extern "C"
