// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The program's two options, --help and --version. They are answered before any GUI
// object exists, so they need no display; every other argument is left alone.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace options {

// What the program prints for its arguments, in the locale's language (Russian or
// English), or nothing when it should open its window.
std::optional<QString> answer(const QStringList &arguments, const QLocale &locale);

} // namespace options
