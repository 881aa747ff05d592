// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Where the answers to the program's options go: its standard output, or on Windows,
// where the program has no console of its own, the console it was started from.

#include <QString>

namespace console {

void print(const QString &text);

} // namespace console
