// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/platform/console.h"

#include <cstdio>

namespace console {

void print(const QString &text)
{
    std::fprintf(stdout, "%s", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

} // namespace console
