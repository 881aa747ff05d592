// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The fields' contract table on the page's own controls: instantiated inside the page
// over fields.js's imports, it makes each row's write through the same fields as the
// app's module. The page's test checks that the running app calculated nothing.

#include "core/contract.h"
#include "web/pagefields.h"

namespace {

PageFields fields;

bool valid(int row)
{
    return row >= 0 && std::size_t(row) < contract::rows.size();
}

} // namespace

extern "C" {

__attribute__((export_name("rowCount"))) int rowCount()
{
    return int(contract::rows.size());
}

// The row's name, UTF-8 and ending in a zero.
__attribute__((export_name("rowName"))) const char *rowName(int row)
{
    return valid(row) ? contract::rows[std::size_t(row)].name : "";
}

__attribute__((export_name("write"))) void write(int row)
{
    if (valid(row))
        contract::write(fields, contract::rows[std::size_t(row)]);
}

// Whether the field shows what the row wrote, where the row writes a text.
__attribute__((export_name("shows"))) int shows(int row)
{
    if (!valid(row))
        return 0;
    const contract::Row &r = contract::rows[std::size_t(row)];
    switch (r.write) {
    case contract::Write::Text:
    case contract::Write::ListText:
    case contract::Write::Caption:
        return fields.text(r.field) == r.text;
    default:
        return 1;
    }
}

} // extern "C"
