// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The number conversions on generated inputs, written out line by line, so that two
// builds (native and WebAssembly) can be compared byte for byte. The inputs come from
// a seed alone and are made with integer arithmetic and the conversions themselves, so
// that both builds make the same ones; each line shows its input.
//
//   numbers_diff SEED COUNT [LOCALE]
//
// COUNT texts and COUNT doubles. LOCALE, when given, is set with setlocale first.

#include "calc/mass.h"
#include "calc/numbers.h"
#include "random.h"
#include "ties.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

using generated::Random;

std::string out;

void flush()
{
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
}

void put(std::string_view s)
{
    out += s;
    if (out.size() > (1u << 16))
        flush();
}

void putHex(std::uint64_t v, int digits)
{
    static const char hex[] = "0123456789abcdef";
    for (int i = digits - 1; i >= 0; --i)
        out += hex[(v >> (4 * i)) & 15];
}

void putText(std::u16string_view s)
{
    // UTF-16 code units, so that lone surrogates show too.
    out += '"';
    for (const char16_t c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            out += char(c);
        else {
            out += "\\u";
            putHex(c, 4);
        }
    }
    out += '"';
}

void putDouble(std::optional<double> v)
{
    if (!v) {
        out += '-';
        return;
    }
    putHex(std::bit_cast<std::uint64_t>(*v), 16);
}

const std::u16string_view separators[]{u",", u".", u"\u066B", u"::"};

// Every conversion of a double, with every separator.
void doubleLine(double d)
{
    put("D ");
    putDouble(d);
    for (const auto separator : separators) {
        out += ' ';
        putText(numbers::fromDouble(d, separator));
        const auto texts = calc::massTexts(d, separator);
        if (texts) {
            out += '|';
            putText(texts->full);
            out += '|';
            putText(texts->rounded);
        } else {
            out += "|-";
        }
    }
    put("\n");
}

// Every reading of a text, with every separator; a value that a reading gives is
// written back too.
void textLine(std::u16string_view text)
{
    put("T ");
    putText(text);
    std::optional<double> some;
    for (const auto separator : separators) {
        out += ' ';
        const auto plain = numbers::toDouble(text, separator);
        putDouble(plain);
        out += '/';
        const auto coefficient = numbers::coefficientToDouble(text, separator);
        putDouble(coefficient);
        if (!some)
            some = plain ? plain : coefficient;
    }
    put("\n");
    if (some)
        doubleLine(*some);
}

std::u16string ascii(std::string_view s)
{
    return {s.begin(), s.end()};
}

std::u16string digits(Random &r, std::size_t n)
{
    std::u16string s;
    for (std::size_t i = 0; i < n; ++i)
        s += char16_t(u'0' + r.below(10));
    return s;
}

// The length of a run of digits: mostly short, sometimes at or past 17, 19, 20 and
// the hundreds that a long pasted text has.
std::size_t digitCount(Random &r)
{
    switch (r.below(8)) {
    case 0:
        return 0;
    case 1:
    case 2:
        return 1 + r.below(3);
    case 3:
    case 4:
        return r.below(16);
    case 5:
        return 14 + r.below(8);
    case 6:
        return r.below(40);
    default:
        return r.chance(20) ? 300 + r.below(900) : r.below(25);
    }
}

// clang-format off
const char16_t *const signs[]{u"", u"", u"", u"-", u"-", u"+", u"\u2212", u"--", u"+-",
                              u"-+", u"++", u"+\u2212", u"\u2212-"};
const char16_t *const spaces[]{u"",       u"",       u"",       u"",       u" ",
                               u"  ",     u"\t",     u"\n",     u"\r\n",   u"\u00A0",
                               u"\u2007", u"\u3000", u"\u200B", u"\u0085", u"\u2028",
                               u"\u180E", u"\uFEFF", u"\u001F", u"\u000B", u"\u205F"};
const char16_t *const separatorTexts[]{u",", u",", u".", u".", u"", u",,", u"..", u",.", u".,",
                                       u"\u066B", u"::", u":", u"'", u"\u00A0"};
const char16_t *const exponents[]{
    u"",      u"",       u"",      u"",      u"e",     u"E",     u"e+",     u"e-",
    u"e0",    u"e+0",    u"E-0",   u"e5",    u"e-5",   u"e15",   u"e16",    u"e-308",
    u"e308",  u"e309",   u"e-309", u"e-320", u"e-323", u"e-324", u"e-325",  u"e-330",
    u"e400",  u"e-400",  u"e00000000000000000000000308", u"e99999999999999999999",
    u"e-99999999999999999999", u"e2147483647", u"e-2147483648", u"e2147483648",
    u"e\u22125", u"e 5", u"e+-5", u"ee5", u"e5.0", u"e,5", u"d5", u"E+308"};
const char16_t *const whole[]{
    u"inf", u"INF", u"Infinity", u"infinity", u"-inf", u"-infinity", u"+inf", u"infinit",
    u"infx", u"nan", u"NaN", u"-nan", u"nan()", u"nan(123)", u"nan(abc_DEF)", u"nan(",
    u"nan(1 2)", u"nan)", u"nanx", u"0x1p3", u"0x10", u"0X1A", u"-0x1", u"0x", u"0x1.8p1",
    u"0b101", u"1_000", u"1'000", u"1 000", u"1\u00A0000", u"1,000,000", u"1.000.000",
    u"1,000.5", u"1.000,5", u"\u0661\u0662", u"\uFF15", u"\u0135", u"\u0135,5", u"5\u0135",
    u"\xD800", u"\xDC00", u"5\xD800", u"\xD83D\xDE00", u"\u22125", u"\u22125,5",
    u"\u2212\u22125", u"\u2212+5", u"+\u22125", u"1e", u"1e+", u"1e-", u"e5", u".e5",
    u",e5", u"-.5", u"-,5", u".5", u",5", u"5.", u"5,", u".", u",", u"-", u"+", u"",
    u" ", u"\u3000", u"-0", u"+0", u"0", u"-0,0", u"0e999999", u"-0e-999999", u"00000",
    u"1.7976931348623157e308", u"1,7976931348623157e308", u"1.7976931348623158e308",
    u"1.7976931348623159e308", u"1.797693134862315807e308", u"1.797693134862315808e308",
    u"179769313486231580793728971405303415079934132710037826936173778980444968292764750"
    u"946649017977587207096330286416692887910946555547851940402630657488671505820681908"
    u"902000708383676273854845817711531764475730270069855571366959622842914819860834936"
    u"475292719074168444365510704342711559699508093042880177904174497791",
    u"2.2250738585072014e-308", u"2,2250738585072011e-308", u"2.2250738585072009e-308",
    u"4.9406564584124654e-324", u"4,9406564584124654e-324", u"2.4703282292062327e-324",
    u"2.4703282292062328e-324", u"2.47032822920623272e-324", u"2.47032822920623273e-324",
    u"3e-324", u"1e-323", u"5e-324", u"2e-324", u"1e-400", u"1e308", u"1e309", u"9e307",
    u"0.1", u"0,1", u"0,5005", u"0.5005", u"1,0005", u"2,675", u"1,7", u"1.7", u"123456789012345678901234567890",
    u"9007199254740993", u"9007199254740992.5", u"0.30000000000000004", u"1e23",
    u"8.98846567431158e307", u"0,000000000000000000000000000000000000001"};
// clang-format on

// A text made of parts aimed at the edges.
std::u16string composedText(Random &r)
{
    std::u16string s;
    s += r.pick(spaces);
    s += r.pick(signs);
    if (r.chance(8))
        s += std::u16string(r.below(30), u'0');
    s += digits(r, digitCount(r));
    if (!r.chance(4)) {
        s += r.pick(separatorTexts);
        if (r.chance(10))
            s += std::u16string(r.below(400), u'0');
        s += digits(r, digitCount(r));
    }
    if (r.chance(3))
        s += r.pick(exponents);
    else if (r.chance(4)) {
        s += r.chance(2) ? u'e' : u'E';
        s += r.pick(signs);
        s += digits(r, 1 + r.below(r.chance(10) ? 25 : 4));
    }
    s += r.pick(spaces);
    return s;
}

// Random characters from those that numbers are made of, and some others.
std::u16string noise(Random &r)
{
    static const std::u16string_view alphabet =
        u"0123456789012345678901234567890123456789,.,.-+eE xXpPinfatyINFATY()_\t"
        u"\u00A0\u2212\u066B:'\u0135\u0661\uFF10\xD800\u3000";
    std::u16string s;
    const std::size_t n = r.below(r.chance(10) ? 60 : 12);
    for (std::size_t i = 0; i < n; ++i)
        s += alphabet[r.below(alphabet.size())];
    return s;
}

double randomBits(Random &r)
{
    return std::bit_cast<double>(r.next());
}

// A double of any exponent: random mantissa bits, the exponent drawn evenly.
double anyMagnitude(Random &r)
{
    const std::uint64_t mantissa = r.next() & ((std::uint64_t(1) << 52) - 1);
    const std::uint64_t exponent = r.below(2047);
    const std::uint64_t sign = r.chance(8) ? std::uint64_t(1) << 63 : 0;
    return std::bit_cast<double>(sign | exponent << 52 | mantissa);
}

// A double near a value that 15 significant digits write as a tie: the text
// d.dddddddddddddd5 × 10^e read back, and its neighbours.
double nearTie(Random &r)
{
    std::u16string text = digits(r, 1);
    if (text[0] == u'0')
        text[0] = u'1';
    text += u'.';
    text += digits(r, 14);
    text += u'5';
    if (r.chance(3))
        text += digits(r, 1 + r.below(3));
    text += u'e';
    const int exponent = r.chance(2) ? int(r.below(40)) - 20 : int(r.below(617)) - 308;
    text += ascii(std::to_string(exponent));
    double d = numbers::toDouble(text, u".").value_or(0);
    for (std::size_t steps = r.below(4); steps > 0; --steps)
        d = std::nextafter(d, r.chance(2) ? 0.0 : std::numeric_limits<double>::infinity());
    return r.chance(5) ? -d : d;
}

// A double that is exactly a tie: a 16-digit integer ending in 5, or a dyadic fraction
// (exact in binary) whose 16th digit is the last, scaled by a power of two.
double exactTie(Random &r)
{
    if (r.chance(2)) {
        std::uint64_t n = 1'000'000'000'000'000u + r.below(8'000'000'000'000'000u);
        n = n - n % 10 + 5;
        return double(n);
    }
    // k + 1/2, k + 1/4 ... with the digits counted from the front.
    const int places = 1 + int(r.below(5));
    const double fraction = double(2 * r.below(std::uint64_t(1) << (places - 1)) + 1) /
                            double(std::uint64_t(1) << places);
    const double integer = double(r.below(1'000'000'000'000'000u));
    return std::ldexp(integer + fraction, int(r.below(9)) - 4);
}

// The edges of the three-decimal step and of the formats: thousandths and half
// thousandths, around the powers of ten where the general format changes, 2^53, and
// the largest masses with a three-decimal text.
double edges(Random &r)
{
    switch (r.below(8)) {
    case 0: {
        const double thousandths = double(r.below(100'000'000)) / 1000;
        return thousandths + (r.chance(2) ? 0.0005 : 0.0);
    }
    case 1: {
        const double half = double(r.below(10'000'000)) / 10000 + 0.0005;
        return std::nextafter(half, r.chance(2) ? 0.0 : 1e300);
    }
    case 2: {
        double d = 1;
        for (int i = int(r.below(40)) - 20; i > 0; --i)
            d *= 10;
        for (int i = int(r.below(40)) - 20; i < 0; ++i)
            d /= 10;
        for (std::size_t steps = r.below(3); steps > 0; --steps)
            d = std::nextafter(d, r.chance(2) ? 0.0 : 1e300);
        return d;
    }
    case 3: {
        const double above = double((std::uint64_t(1) << 53) + r.below(8));
        return above - double(r.below(8));
    }
    case 4: {
        const double significand = 1.0 + double(r.below(1 << 20)) / double(1 << 20);
        return std::ldexp(significand, 1000 + int(r.below(24)));
    }
    case 5: {
        const std::uint64_t bits = r.next();
        return double(bits >> r.below(64));
    }
    case 6: {
        const double numerator = double(r.below(1'000'000));
        return -numerator / double(1 + r.below(1000));
    }
    default: {
        const double specials[]{0.0,
                                -0.0,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                -std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(),
                                -std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::signaling_NaN(),
                                std::bit_cast<double>(std::uint64_t(0xFFF4000000000000u)),
                                std::numeric_limits<double>::max() / 1000,
                                9.2233720368547758e15,
                                9.2233720368547758e18,
                                1e15,
                                1e16,
                                999999999999999.5,
                                0.0001,
                                0.00001,
                                0.5005,
                                2.675,
                                1.7};
        const double d = r.pick(specials);
        return r.chance(3) ? std::nextafter(d, 0.0) : d;
    }
    }
}

// A double's own texts, as the other side of a conversion writes them, with one of
// the separators: shortest, 17 digits, or some other count.
std::u16string writtenDouble(Random &r, double d)
{
    std::u16string text = numbers::fromDouble(d, r.pick(separators));
    if (r.chance(4))
        text = u"-" + text;
    if (r.chance(4))
        text += ascii("e" + std::to_string(int(r.below(30)) - 15));
    return text;
}

// A text near the midpoint between two doubles, with a comma or a point.
std::u16string midpointText(Random &r)
{
    const std::uint64_t shapes[]{r.next() & 0x000FFFFFFFFFFFFFu,
                                 r.next(),
                                 r.below(4),
                                 0x7FEFFFFFFFFFFFFFu - r.below(4),
                                 0x0010000000000000u - 2 + r.below(4),
                                 std::bit_cast<std::uint64_t>(double(r.below(100000)) / 1000)};
    std::u16string text = ascii(
        ties::nearMidpoint(r.pick(shapes), [&r](int k) { return int(r.below(std::uint64_t(k))); }));
    if (r.chance(2))
        for (auto &c : text)
            if (c == u'.')
                c = u',';
    if (r.chance(2))
        text = u"-" + text;
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: numbers_diff SEED COUNT [LOCALE]\n");
        return 2;
    }
    const std::uint64_t seed = std::strtoull(argv[1], nullptr, 10);
    const long count = std::atol(argv[2]);
    if (argc > 3 && !std::setlocale(LC_ALL, argv[3])) {
        std::fprintf(stderr, "no locale %s\n", argv[3]);
        return 2;
    }
    std::fprintf(stderr, "numbers_diff: seed %llu, %ld texts and %ld doubles\n",
                 (unsigned long long)seed, count, count);
    Random r{seed};
    for (const auto text : whole)
        textLine(text);
    for (long i = 0; i < count; ++i) {
        switch (r.below(11)) {
        case 0:
            textLine(r.pick(whole));
            break;
        case 10:
            textLine(midpointText(r));
            break;
        case 1:
        case 2:
            textLine(noise(r));
            break;
        case 3:
            textLine(writtenDouble(r, anyMagnitude(r)));
            break;
        case 4:
            textLine(writtenDouble(r, nearTie(r)));
            break;
        default:
            textLine(composedText(r));
        }
        switch (r.below(6)) {
        case 0:
            doubleLine(randomBits(r));
            break;
        case 1:
            doubleLine(anyMagnitude(r));
            break;
        case 2:
            doubleLine(nearTie(r));
            break;
        case 3:
            doubleLine(exactTie(r));
            break;
        default:
            doubleLine(edges(r));
        }
    }
    flush();
    return 0;
}
