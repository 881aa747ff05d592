// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "form/keyrule.h"

namespace keyrule {

char16_t onlyMySymbols(char16_t keyCode, std::u16string_view allowed)
{
    if (keyCode == backspace || allowed.find(keyCode) != std::u16string_view::npos)
        return keyCode;
    return 0;
}

bool remainsAfterDeleting(std::u16string_view now, std::u16string_view shown)
{
    std::size_t at = 0;
    for (const char16_t c : now) {
        while (at < shown.size() && shown[at] != c)
            ++at;
        if (at == shown.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace keyrule
