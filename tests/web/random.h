// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// splitmix64: the same numbers from the same seed in every build. Two draws never
// share an expression: the order of evaluation of operands and arguments differs
// between the compilers.

#include <cstddef>
#include <cstdint>

namespace generated {

struct Random {
    std::uint64_t state;
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // 0 .. n-1, in 64 bits: std::size_t has 32 in WebAssembly.
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    bool chance(std::size_t n) { return below(n) == 0; }
    template <typename T, std::size_t N> const T &pick(const T (&items)[N])
    {
        return items[below(N)];
    }
};

} // namespace generated
