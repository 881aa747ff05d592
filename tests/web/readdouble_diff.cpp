// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The double reading under calc/numbers.cpp on generated ASCII texts: where it stops,
// its error and the value it leaves, one line a text, for a byte-for-byte comparison
// of a build on std::from_chars with one on its strtod replacement.
//
//   readdouble_diff SEED COUNT [LOCALE]

#include "calc/numbers.cpp"
#include "random.h"
#include "ties.h"

#include <bit>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

using generated::Random;

// clang-format off
const char *const parts[]{
    "0", "1", "5", "9", "00", "12", "123456789", "18446744073709551616", "000000000000000000001",
    ".", ".", "-", "-", "+", "e", "E", "e+", "e-", "E-", "x", "X", "p", "inf", "INF", "inity",
    "iNfInItY", "nan", "NaN", "(", ")", "_", "abc", " ", "\t", "\n", "\v", "\f", "\r", ",", "e308",
    "e309", "e-324", "e-325", "e-400", "e400", "e99999999999999999999", "e-99999999999999999999",
    "0x", "0X1p3", "1.7976931348623157e308", "1.7976931348623158e308", "1.7976931348623159e308",
    "2.4703282292062327e-324", "2.4703282292062328e-324", "4.9406564584124654e-324",
    "2.2250738585072014e-308", "2.2250738585072011e-308", "\xC3\xA9", "\x80", "\xFF", "\0"};
// NaN's payload in brackets, at the edges of the characters it may hold.
const char *const nans[]{"nan(A)", "nan(Z)", "nan(a)", "nan(z)", "nan(0)", "nan(9)", "nan(_)",
    "nan(@)", "nan([)", "nan(`)", "nan({)", "nan(/)", "nan(:)", "nan()", "nan(", "-NaN(Az_09)"};
// clang-format on

std::string line;

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: readdouble_diff SEED COUNT [LOCALE]\n");
        return 2;
    }
    const std::uint64_t seed = std::strtoull(argv[1], nullptr, 10);
    const long count = std::atol(argv[2]);
    if (argc > 3 && !std::setlocale(LC_ALL, argv[3])) {
        std::fprintf(stderr, "no locale %s\n", argv[3]);
        return 2;
    }
    std::fprintf(stderr, "readdouble_diff: seed %llu, %ld texts\n", (unsigned long long)seed,
                 count);
    Random r{seed};
    std::string out;
    for (long i = 0; i < count; ++i) {
        std::string text;
        // Around the midpoints between doubles: subnormal, normal, and at the overflow.
        if (r.chance(4)) {
            const std::uint64_t shapes[]{r.next() & 0x000FFFFFFFFFFFFFu, r.next(), r.below(4),
                                         0x7FEFFFFFFFFFFFFFu - r.below(4),
                                         0x0010000000000000u - 2 + r.below(4)};
            text = ties::nearMidpoint(r.pick(shapes),
                                      [&r](int k) { return int(r.below(unsigned(k))); });
            if (r.chance(2))
                text.insert(0, "-");
        }
        if (text.empty() && r.chance(16))
            text = r.pick(nans);
        const std::size_t n = text.empty() ? r.below(r.chance(50) ? 40 : 6) : 0;
        for (std::size_t k = 0; k < n; ++k) {
            if (r.chance(3)) {
                for (std::size_t d = r.below(r.chance(20) ? 800 : 22); d > 0; --d)
                    text += char('0' + r.below(10));
            } else {
                const char *part = r.pick(parts);
                text += *part ? std::string(part) : std::string(1, '\0');
            }
        }
        // A value the reading must leave alone unless it succeeds.
        double value = -12345.678;
        const auto [stop, error] =
            numbers::readDouble(text.data(), text.data() + text.size(), value);
        char head[96];
        // The error by name: the numbers of errno differ between the C libraries.
        const char *named = error == std::errc()                      ? "ok"
                            : error == std::errc::invalid_argument    ? "invalid"
                            : error == std::errc::result_out_of_range ? "range"
                                                                      : "other";
        std::snprintf(head, sizeof head, "%zu %s %016llx ", std::size_t(stop - text.data()), named,
                      (unsigned long long)std::bit_cast<std::uint64_t>(value));
        out += head;
        for (const char c : text) {
            if (c >= 0x20 && c < 0x7F && c != '\\')
                out += c;
            else {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x",
                              unsigned(static_cast<unsigned char>(c)));
                out += escaped;
            }
        }
        out += '\n';
        if (out.size() > (1u << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
