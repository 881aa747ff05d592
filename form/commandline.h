// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// The program's two options, --help and --version, for every front end. They are
// answered before any window exists; every other argument is left alone.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace commandline {

// What the program prints for its arguments (the program's name excluded), in Russian
// or in English, or nothing when it should open its window. `version` is "1.0.0".
std::optional<std::u16string> answer(std::span<const std::u16string_view> arguments, bool russian,
                                     std::u16string_view version);

// What the program says, with status 1, when it cannot open its window.
constexpr std::u16string_view windowNotOpened(bool russian)
{
    return russian ? u"Окно программы открыть не удалось.\n"
                   : u"The program's window could not be opened.\n";
}

} // namespace commandline
