// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// Decimal texts of the values halfway between two neighbouring doubles, exactly, and
// just above or below them: the texts on which a reading rounds one way or the other.
// Integer arithmetic only, so that every build writes the same texts.

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace ties {

// Little-endian limbs of nine decimal digits.
using Big = std::vector<std::uint64_t>;

inline void multiply(Big &n, std::uint64_t factor)
{
    std::uint64_t carry = 0;
    for (auto &limb : n) {
        const std::uint64_t v = limb * factor + carry;
        limb = v % 1'000'000'000;
        carry = v / 1'000'000'000;
    }
    while (carry) {
        n.push_back(carry % 1'000'000'000);
        carry /= 1'000'000'000;
    }
}

inline std::string decimal(const Big &n)
{
    std::string s = std::to_string(n.back());
    for (std::size_t i = n.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(n[i]);
        s += std::string(9 - limb.size(), '0') + limb;
    }
    return s;
}

// The digits and the decimal exponent of the value halfway between the positive
// double with these bits and the next one up: digits × 10^exponent.
inline std::string midpoint(std::uint64_t bits, int &exponent)
{
    bits &= ~(std::uint64_t(1) << 63);
    if (bits >= 0x7FF0000000000000u)
        bits = 0x7FEFFFFFFFFFFFFFu;
    const std::uint64_t biased = bits >> 52;
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    const std::uint64_t significand = biased ? fraction | std::uint64_t(1) << 52 : fraction;
    int power2 = (biased ? int(biased) : 1) - 1075 - 1; // of 2 × significand + 1
    Big n{(2 * significand + 1) % 1'000'000'000, (2 * significand + 1) / 1'000'000'000};
    if (!n.back())
        n.pop_back();
    exponent = 0;
    if (power2 >= 0) {
        for (; power2 >= 29; power2 -= 29)
            multiply(n, std::uint64_t(1) << 29);
        multiply(n, std::uint64_t(1) << power2);
    } else {
        // × 2^-k = × 5^k / 10^k
        exponent = power2;
        for (; power2 <= -12; power2 += 12)
            multiply(n, 244'140'625); // 5^12
        for (; power2 < 0; ++power2)
            multiply(n, 5);
    }
    return decimal(n);
}

// The digits less one in the last place; "0" stays.
inline std::string decremented(std::string digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '0') {
            --digits[i];
            break;
        }
        digits[i] = '9';
    }
    const std::size_t lead = digits.find_first_not_of('0');
    return lead == std::string::npos ? "0" : digits.substr(lead);
}

// A text near a midpoint: the midpoint itself, a little above or below it, or its
// digits cut short; written as digits × 10^e or d.ddd × 10^e. `pick` chooses.
template <typename Pick> std::string nearMidpoint(std::uint64_t bits, Pick &&pick)
{
    int exponent = 0;
    std::string digits = midpoint(bits, exponent);
    switch (pick(5)) {
    case 0: // exactly
        break;
    case 1: { // above by a little
        const int more = 1 + int(pick(30));
        digits += std::string(std::size_t(more - 1), '0') + '1';
        exponent -= more;
        break;
    }
    case 2: { // below by a little
        const int more = int(pick(30));
        digits = decremented(digits) + std::string(std::size_t(more), '9');
        exponent -= more;
        break;
    }
    case 3: { // cut to 15 .. 40 digits
        const std::size_t keep = 15 + std::size_t(pick(26));
        if (keep < digits.size()) {
            exponent += int(digits.size() - keep);
            digits.resize(keep);
        }
        break;
    }
    default: // to 17 digits, rounded up
        if (digits.size() > 17) {
            exponent += int(digits.size() - 17);
            digits.resize(17);
            for (std::size_t i = 17; i-- > 0;) {
                if (digits[i] != '9') {
                    ++digits[i];
                    break;
                }
                digits[i] = '0';
                if (i == 0)
                    digits.insert(digits.begin(), '1');
            }
        }
    }
    if (pick(2)) {
        exponent += int(digits.size()) - 1;
        digits.insert(1, ".");
    }
    return digits + 'e' + std::to_string(exponent);
}

} // namespace ties
