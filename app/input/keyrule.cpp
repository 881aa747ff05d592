// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/input/keyrule.h"

namespace keyrule {

char16_t onlyMySymbols(char16_t keyCode, QStringView allowed)
{
    if (keyCode == backspace)
        return keyCode;
    for (const QChar c : allowed)
        if (c.unicode() == keyCode)
            return keyCode;
    return 0;
}

bool remainsAfterDeleting(QStringView now, QStringView shown)
{
    qsizetype at = 0;
    for (const QChar c : now) {
        while (at < shown.size() && shown[at] != c)
            ++at;
        if (at == shown.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace keyrule
