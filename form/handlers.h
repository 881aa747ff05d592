// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Which event of which field runs which procedures, in order. A handler holds nothing
// but its list; an event that no row names runs nothing.

#include "form/fields.h"

#include <array>
#include <cstddef>
#include <span>

namespace form {

enum class Event { Click, Change };
#ifndef Q_MOC_RUN // see fields.h
enum class Procedure { Область, Марка, Тип, AA };
#endif

struct Handler {
    Field field;
    Event event;
    std::array<Procedure, 3> procedures;
    std::size_t count;

    constexpr std::span<const Procedure> runs() const { return {procedures.data(), count}; }
};

inline constexpr std::array<Handler, 8> handlers{{
    {Field::Комбо1, Event::Click, {Procedure::AA}, 1},
    {Field::Комбо2, Event::Click, {Procedure::AA}, 1},
    {Field::Комбо3, Event::Click, {Procedure::AA}, 1},
    {Field::Комбо4, Event::Click, {Procedure::AA}, 1},
    {Field::Комбо5, Event::Click, {Procedure::Область, Procedure::Марка, Procedure::Тип}, 3},
    {Field::Комбо6, Event::Click, {Procedure::Тип}, 1},
    {Field::Текст1, Event::Change, {Procedure::AA}, 1},
    {Field::Текст2, Event::Change, {Procedure::AA}, 1},
}};

// The procedures an event runs: none where the table has no row for it.
constexpr std::span<const Procedure> handlerOf(Field field, Event event)
{
    for (const Handler &h : handlers)
        if (h.field == field && h.event == event)
            return h.runs();
    return {};
}

} // namespace form
