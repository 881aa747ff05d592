// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// A seeded random walk through the window's logic, without a toolkit: picks, edits of
// every list with item texts, cut texts and random characters, typed lengths and
// edits of the result. After every step the fields agree with each other. WALK_SEED
// and WALK_STEPS repeat or lengthen a run.

#include "calc/mass.h"
#include "calc/numbers.h"
#include "catalogue/catalogue.h"
#include "check.h"
#include "fakefields.h"
#include "form/lists.h"

#include <cstdlib>
#include <random>

using form::Field;
using form::itemsOf;

namespace {

std::string walked;

bool agree(const FakeFields &f, bool resultEdited, std::u16string_view computed, int step)
{
    const std::string row = "step " + std::to_string(step) + walked;
    bool ok = true;
    const catalogue::Brand *brand = catalogue::findBrand(f.text(Field::Комбо6));
    ok &= check::equal(row, "type", f.text(Field::Метка13), brand ? brand->type : u"");
    ok &= check::equal(row, "coefficient", f.text(Field::Текст1), brand ? brand->coefficient : u"");
    const auto description = catalogue::areaDescription(f.text(Field::Комбо5));
    ok &= check::equal(row, "description", f.text(Field::Метка10), description.value_or(u""));
    const auto offered = catalogue::brandListFor(f.text(Field::Комбо5)).brands;
    ok &= check::equal(row, "brand list",
                       f.items[std::size_t(Field::Комбо6)] ==
                           std::vector<std::u16string>(offered.begin(), offered.end()),
                       true);
    if (!resultEdited)
        ok &= check::equal(row, "result", f.text(Field::Текст3), computed);
    else
        ok &=
            check::equal(row, "edited result",
                         f.text(Field::Текст3).empty() || f.text(Field::Текст3) == computed, true);
    return ok;
}

std::u16string expectedResult(const FakeFields &f)
{
    const auto t = [&f](Field field) { return f.text(field); };
    const std::u16string in[]{t(Field::Комбо1), t(Field::Комбо2), t(Field::Комбо3),
                              t(Field::Комбо4), t(Field::Текст1), t(Field::Текст2)};
    const calc::MassResult r = calc::computeMass({in[0], in[1], in[2], in[3], in[4], in[5]}, u",");
    if (r.status != calc::Status::Ok)
        return {};
    const auto texts = calc::massTexts(r.mass, u",");
    return texts ? texts->rounded : std::u16string();
}

} // namespace

int main()
{
    const char *seedText = std::getenv("WALK_SEED");
    const char *stepsText = std::getenv("WALK_STEPS");
    const unsigned seed = seedText ? unsigned(std::strtoul(seedText, nullptr, 10)) : 20261209u;
    // 200,000 steps find every fault the longer walks found, with room to spare;
    // scripts/walks runs a million.
    const int steps = stepsText ? std::atoi(stepsText) : 200000;
    std::mt19937 rng(seed);
    const auto below = [&rng](int n) { return int(rng() % unsigned(n)); };
    walked = " (WALK_SEED=" + std::to_string(seed) + ")";

    FakeFields f;
    form::Форма1 logic(f, u",");
    logic.Load();
    const Field lists[]{Field::Комбо1, Field::Комбо2, Field::Комбо3,
                        Field::Комбо4, Field::Комбо5, Field::Комбо6};
    const std::u16string likely = u"0123456789,.-+e НТУ";
    // Whether the user edited the result since the last calculation.
    bool resultEdited = false;
    for (int step = 0; step < steps; ++step) {
        const int before = logic.calculations();
        int runs = 1;
        const int kind = below(100);
        if (kind < 40) {
            const Field list = lists[below(6)];
            std::vector<std::u16string> items = itemsOf(list);
            if (list == Field::Комбо6)
                items = f.items[std::size_t(Field::Комбо6)];
            logic.picked(list, items[std::size_t(below(int(items.size())))]);
        } else if (kind < 85) {
            const bool length = below(4) == 0;
            const Field field = length ? Field::Текст2 : lists[below(6)];
            std::u16string text = f.text(field);
            const int how = below(4);
            if (how == 0 && !text.empty())
                text.erase(std::size_t(below(int(text.size()))), 1);
            else if (how == 1)
                text += likely[std::size_t(below(int(likely.size())))];
            else if (how == 2 && !length) {
                const auto items = itemsOf(field);
                if (!items.empty())
                    text = items[std::size_t(below(int(items.size())))];
            } else {
                text = numbers::fromInt(below(100000));
            }
            // An edit that leaves the text as it was is none.
            if (text == f.text(field))
                runs = 0;
            f.at(field) = text;
            logic.edited(field);
        } else {
            std::u16string now = f.text(Field::Текст3);
            if (below(2) && !now.empty())
                now.erase(std::size_t(below(int(now.size()))), 1);
            else
                now += likely[std::size_t(below(int(likely.size())))];
            f.at(Field::Текст3) = now;
            logic.edited(Field::Текст3);
            runs = 0;
            resultEdited = true;
        }
        if (logic.calculations() != before)
            resultEdited = false;
        if (!check::equal("step " + std::to_string(step) + walked, "calculations",
                          logic.calculations() - before, runs) ||
            !agree(f, resultEdited, expectedResult(f), step))
            break;
    }
    return check::verdict();
}
