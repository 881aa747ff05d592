// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#pragma once
// A seeded random walk through a running window, for every front end that drives one:
// picks, keys typed at the end of the length, backspaces at the end of a list or of the
// result, and pastes over a whole field. Each step is drawn, the front end makes it on
// its window, the twin (the window's logic over a store of texts) makes it too, and then
// every field on screen must be what the twin shows. One step at a time, so that a
// driver that waits for its window can take its own time between them.

#include "check.h"
#include "fakefields.h"
#include "form/keyrule.h"

#include <random>
#include <string>

namespace walk {

using form::Field;

enum class Kind {
    None,      // nothing to do: a pick in a list without items
    Pick,      // the item `index` of `field`, whose text is `text`
    Key,       // `key` typed at the end of the length
    Backspace, // backspace at the end of `field`
    Paste,     // `text` pasted over the whole of `field`
};

struct Step {
    Kind kind = Kind::None;
    Field field = Field::Текст2;
    std::size_t index = 0;
    std::u16string text;
    char16_t key = 0;

    // The step as a failure names it.
    std::string what() const
    {
        const std::string in = " in " + check::utf8(form::nameOf(field));
        switch (kind) {
        case Kind::Pick:
            return "pick " + check::utf8(text) + in;
        case Kind::Key:
            return "key " + std::to_string(int(key)) + in;
        case Kind::Backspace:
            return "backspace" + in;
        case Kind::Paste:
            return "paste " + check::utf8(text) + in;
        case Kind::None:
            break;
        }
        return "nothing";
    }
};

inline constexpr Field lists[]{Field::Комбо1, Field::Комбо2, Field::Комбо3,
                               Field::Комбо4, Field::Комбо5, Field::Комбо6};
inline constexpr std::u16string_view keys = u"0123456789,.-a\b";
inline constexpr std::u16string_view pastes[]{u"1500", u"-20", u"7,5", u"", u"АНО-4", u"Т3"};

class Walk
{
public:
    explicit Walk(unsigned seed) : random_(seed), logic_(twin_, u",") { logic_.Load(); }

    const FakeFields &twin() const { return twin_; }

    // The next step, drawn from the seed and the twin's lists.
    Step next()
    {
        Step s;
        switch (below(5)) {
        case 0: { // a pick
            s.field = lists[below(6)];
            const auto &items = twin_.items[std::size_t(s.field)];
            if (items.empty())
                return s;
            s.kind = Kind::Pick;
            s.index = below(items.size());
            s.text = items[s.index];
            break;
        }
        case 1:
        case 2: // a key in the length
            s.kind = Kind::Key;
            s.key = keys[below(keys.size())];
            break;
        case 3: // a deletion in a list or in the result
            s.kind = Kind::Backspace;
            s.field = below(3) == 0 ? Field::Текст3 : lists[below(6)];
            break;
        default: // a paste over a whole field
            s.kind = Kind::Paste;
            s.text = pastes[below(std::size(pastes))];
            s.field = below(2) ? Field::Текст2 : lists[below(6)];
        }
        return s;
    }

    // The step, made on the twin as the window's rules make it.
    void apply(const Step &s)
    {
        std::u16string &text = twin_.at(s.field);
        switch (s.kind) {
        case Kind::None:
            return;
        case Kind::Pick:
            logic_.picked(s.field, s.text);
            return;
        case Kind::Key:
            if (s.key == keyrule::backspace && !text.empty())
                text.pop_back();
            else if (s.key != keyrule::backspace &&
                     keyrule::onlyMySymbols(s.key, keyrule::digits) != 0)
                text += s.key;
            break;
        case Kind::Backspace:
            if (text.empty())
                return;
            text.pop_back();
            break;
        case Kind::Paste:
            // The paste replaces the whole text, an empty one too; one that leaves the
            // text as it was is no edit.
            text = s.text;
            break;
        }
        logic_.edited(s.field);
    }

    // Every field as `shown` reads it on screen against the twin; each difference is a
    // failure of `row`.
    template <typename Shown> bool compare(Shown &&shown, const std::string &row) const
    {
        bool same = true;
        for (std::size_t i = 0; i < form::fieldCount; ++i)
            same &= check::equal(row, check::utf8(form::nameOf(Field(i))), shown(Field(i)),
                                 twin_.text(Field(i)));
        return same;
    }

private:
    std::size_t below(std::size_t n) { return std::size_t(random_() % n); }

    std::mt19937 random_;
    FakeFields twin_;
    form::Форма1 logic_;
};

} // namespace walk
