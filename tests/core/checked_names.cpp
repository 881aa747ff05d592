// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Compiled by the tests, not built: a control the definition does not have, or has
// as another kind, must fail the build; NAME and, where given, KIND choose the row.

#include "form/definition.h"

#ifdef KIND
constexpr std::size_t row = definition::at(NAME, definition::Kind::KIND);
#else
constexpr std::size_t row = definition::at(NAME);
#endif

int main()
{
    return int(row);
}
