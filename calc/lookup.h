// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The one look-up of every table: an exact comparison of the whole key (character
// codes for texts, equality for numbers). A key that no row has finds nothing, and the
// caller's value stays as it was.

namespace calc {

template <typename Rows, typename Key, typename Field>
constexpr const typename Rows::value_type *findRow(const Rows &rows, const Key &key, Field field)
{
    for (const auto &row : rows)
        if (row.*field == key)
            return &row;
    return nullptr;
}

} // namespace calc
