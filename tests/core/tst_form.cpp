// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window's logic against a store of texts, without a toolkit: the start-up's
// writes in order, what each event does to the fields, and the fields' contract.

#include "check.h"
#include "contract.h"
#include "fakefields.h"
#include "form/accessibility.h"
#include "form/definition.h"
#include "form/keyrule.h"
#include "form/lists.h"
#include "keyrows.h"

#include <functional>
#include <utility>
#include <vector>

using form::Field;

namespace {

// A window after Load, with the given decimal separator.
struct Window {
    explicit Window(std::u16string_view separator = u",") : logic(fields, separator)
    {
        logic.Load();
        fields.writes.clear();
    }
    FakeFields fields;
    form::Форма1 logic;
};

// As the window is made, the lists get their items after their stored texts, which
// stay; the brand list has none until Load.
void making()
{
    FakeFields fields;
    form::Форма1 logic(fields, u",");
    const std::vector<std::u16string> expected{
        u"Комбо1 items 2",
        u"Комбо1 := Комбо1",
        u"Комбо2 items Н1",
        u"Комбо2 := Комбо2",
        u"Комбо3 items Нижнее",
        u"Комбо3 := Комбо3",
        u"Комбо4 items сплошной",
        u"Комбо4 := Комбо4",
        u"Комбо5 items вспомогательные конструкции",
        u"Комбо5 := Комбо5",
    };
    check::equal("making", "the writes", fields.writes == expected, true);
    for (std::size_t i = 0; i < form::listCount; ++i)
        check::equal("making", check::utf8(form::nameOf(Field(i))) + " items",
                     fields.items[i] == form::itemsOf(Field(i)), true);
    check::equal("making", "calculations", logic.calculations(), 0);
}

void loadOrder()
{
    FakeFields fields;
    form::Форма1 logic(fields, u",");
    fields.writes.clear();
    logic.Load();
    const std::vector<std::u16string> expected{
        u"background loaded",
        u"Комбо1 := 5",
        u"Комбо2 := Н1",
        u"Комбо3 := Нижнее",
        u"Комбо4 := сплошной",
        u"Комбо5 := вспомогательные конструкции",
        // The coefficient's Change: the length still holds its stored text.
        u"Текст1 = 1,7",
        u"picture Н1",
        u"Текст3 = ",
        u"Текст2 = 1000",
        u"picture Н1",
        u"Текст3 = 0,24",
        u"Текст3 = 0,24",
        u"Метка10 caption Сварка вспомогательных конструкций из углеродистых сталей",
        u"Комбо6 items АНО-1",
        u"Комбо6 := АНО-3",
        u"Метка13 caption Э46",
        u"Текст1 = 1,6",
        u"picture Н1",
        u"Текст3 = 0,225882352941176",
        u"Текст3 = 0,226",
        // Load's own AA.
        u"picture Н1",
        u"Текст3 = 0,225882352941176",
        u"Текст3 = 0,226",
    };
    check::equal("Load", "the number of writes", fields.writes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size() && i < fields.writes.size(); ++i)
        check::equal("Load", "write " + std::to_string(i + 1), fields.writes[i], expected[i]);
    check::equal("Load", "calculations", logic.calculations(), 4);
    check::equal("Load", "brand list", fields.items[std::size_t(Field::Комбо6)].size(),
                 std::size_t(6));
}

struct EventRow {
    const char *name;
    std::function<void(Window &)> act;
    std::vector<std::pair<Field, std::u16string>> expected;
    int calculations; // since Load
    std::optional<calc::Joint> joint = calc::Joint::N1;
};

// A list's text changed by the user, not by a pick (a deletion, a paste).
std::function<void(Window &)> edit(Field list, std::u16string text)
{
    return [list, text](Window &w) {
        w.fields.at(list) = text;
        w.logic.edited(list);
    };
}

std::function<void(Window &)> pick(Field list, std::u16string item)
{
    return [list, item](Window &w) { w.logic.picked(list, item); };
}

std::function<void(Window &)> result(std::u16string now)
{
    return [now](Window &w) {
        w.fields.at(Field::Текст3) = now;
        w.logic.edited(Field::Текст3);
    };
}

template <typename... Steps> std::function<void(Window &)> steps(Steps... s)
{
    return [=](Window &w) { (s(w), ...); };
}

const std::u16string critical =
    u"Для сварки конструкций из коррозионно-стойких хромоникелевых сталей, когда к металлу "
    u"шва предъявляют жесткие требования стойкости к межкристаллической коррозии";

void events()
{
    using F = Field;
    const std::vector<EventRow> rows{
        {"pick the area несущие конструкции",
         pick(F::Комбо5, u"несущие конструкции"),
         {{F::Комбо6, u"МР-3"},
          {F::Метка13, u"Э46"},
          {F::Текст1, u"1,7"},
          {F::Текст3, u"0,24"},
          {F::Метка10, u"Сварка несущих конструкций из углеродистых горячекатанных сталей"}},
         1},
        {"pick the area антикоррозионные простые",
         pick(F::Комбо5, u"антикоррозионные простые"),
         {{F::Комбо6, u"ОЗЛ-8"}, {F::Метка13, u"Э-07Х20Н9"}, {F::Текст3, u"0,226"}},
         1},
        {"an area text that names none",
         edit(F::Комбо5, u"несущие"),
         {{F::Метка10, u""},
          {F::Комбо6, u"ОЗЛ-7"},
          {F::Метка13, u"Э-08Х20Н9Г2Б"},
          {F::Текст3, u"0,226"}},
         1},
        {"a pick writes the item's text before its handler runs",
         steps(edit(F::Комбо5, u"x"), pick(F::Комбо5, u"антикоррозионные ответственные")),
         {{F::Комбо5, u"антикоррозионные ответственные"},
          {F::Метка10, critical},
          {F::Комбо6, u"ОЗЛ-7"}},
         2},
        {"a brand with another coefficient",
         pick(F::Комбо6, u"АНО-6"),
         {{F::Метка13, u"Э42"}, {F::Текст1, u"1,7"}, {F::Текст3, u"0,24"}},
         1},
        {"a brand with the same coefficient recalculates",
         pick(F::Комбо6, u"АНО-4"),
         {{F::Текст1, u"1,6"}, {F::Текст3, u"0,226"}},
         1},
        {"a brand text that names none",
         edit(F::Комбо6, u"АНО"),
         {{F::Метка13, u""}, {F::Текст1, u""}, {F::Текст3, u""}},
         1},
        {"the largest leg", pick(F::Комбо1, u"20"), {{F::Текст3, u"2,974"}}, 1},
        {"a leg with no row", edit(F::Комбо1, u"7"), {{F::Текст3, u""}}, 1},
        {"a leg that is no number", edit(F::Комбо1, u"5,"), {{F::Текст3, u"0,226"}}, 1},
        {"a joint that names none keeps the picture",
         edit(F::Комбо2, u"Н3"),
         {{F::Текст3, u""}},
         1},
        {"the joint У5", pick(F::Комбо2, u"У5"), {{F::Текст3, u"0,287"}}, 1, calc::Joint::U5},
        {"the joint Т3, group 2",
         pick(F::Комбо2, u"Т3"),
         {{F::Текст3, u"0,452"}},
         1,
         calc::Joint::T3},
        {"an intermittent seam", pick(F::Комбо4, u"прерывистый"), {{F::Текст3, u"0,113"}}, 1},
        {"an unknown seam", edit(F::Комбо4, u"сплошной "), {{F::Текст3, u""}}, 1},
        {"the ceiling position", pick(F::Комбо3, u"Потолочное"), {{F::Текст3, u"0,271"}}, 1},
        {"a typed length", edit(F::Текст2, u"125"), {{F::Текст3, u"0,028"}}, 1},
        {"an emptied length", edit(F::Текст2, u""), {{F::Текст3, u""}}, 1},
        {"a length with a plus", edit(F::Текст2, u"+2000"), {{F::Текст3, u"0,452"}}, 1},
        {"a negative length", edit(F::Текст2, u"-1000"), {{F::Текст3, u""}}, 1},
        {"a length of zero", edit(F::Текст2, u"0"), {{F::Текст3, u"0"}}, 1},
        {"a result deleted in part empties it", result(u"0,2"), {{F::Текст3, u""}}, 0},
        {"a result edited otherwise is taken back", result(u"0,2267"), {{F::Текст3, u"0,226"}}, 0},
        {"a deleted result comes back with a brand of the same coefficient",
         steps(result(u""), pick(F::Комбо6, u"АНО-5")),
         {{F::Текст3, u"0,226"}},
         1},
        {"an edit of a text box is no Click",
         [](Window &w) { w.logic.edited(Field::Текст3); },
         {{F::Текст3, u"0,226"}},
         0},
    };
    for (const EventRow &row : rows) {
        Window w;
        row.act(w);
        for (const auto &[field, text] : row.expected)
            check::equal(row.name, check::utf8(FakeFields::name(field)), w.fields.text(field),
                         text);
        check::equal(row.name, "calculations", w.logic.calculations() - 4, row.calculations);
        check::equal(row.name, "picture", w.fields.joint == row.joint, true);
    }
}

void separators()
{
    const std::pair<std::u16string_view, std::u16string_view> rows[]{
        {u".", u"0.226"}, {u",", u"0,226"}, {u"<->", u"0<->226"}, // Windows allows three characters
    };
    for (const auto &[separator, shown] : rows) {
        Window w(separator);
        const std::string name = "separator " + check::utf8(separator);
        check::equal(name, "result", w.fields.text(Field::Текст3), shown);
        check::equal(name, "calculations", w.logic.calculations(), 4);
    }
}

void fieldContract()
{
    for (const contract::Row &row : contract::rows) {
        Window w;
        const int before = w.logic.calculations();
        contract::write(w.fields, row);
        check::equal(row.name, "Changes raised", w.logic.calculations() - before, 0);
    }
}

// Which typed characters each field's KeyPress takes, by the field's rule in the
// definition; text that arrives whole is taken where each of its characters would be.
void keyRule()
{
    for (const keyrows::Row &row : keyrows::rows) {
        for (const char16_t key : row.typed)
            check::equal(row.name, "key " + std::to_string(int(key)),
                         int(form::Форма1::KeyPress(row.field, key)), row.passes ? int(key) : 0);
        if (row.typed != u"\b")
            check::equal(row.name, "taken whole", form::Форма1::takesWhole(row.field, row.typed),
                         row.passes);
    }
}

// What a screen reader reads for each control: words, never the captions' dots; a
// value box and the picture with what they show.
void names()
{
    struct Row {
        std::u16string_view control;
        std::u16string_view shown;
        std::u16string_view name;
    };
    const Row rows[]{
        {u"Комбо1", u"", u"Катет шва"},
        {u"Метка1", u"", u"Катет шва"},
        {u"Комбо2", u"", u"Тип соединения"},
        {u"Метка2", u"", u"Тип соединения"},
        {u"Комбо4", u"", u"Шов"},
        {u"Метка8", u"", u"Шов"},
        {u"Комбо5", u"", u"Область применения"},
        {u"Комбо6", u"", u"Марка электрода"},
        {u"Текст2", u"", u"Общая длина сварных швов, мм"},
        {u"Текст3", u"", u"Масса электродов, кг"},
        {u"Метка5", u"", u"Масса электродов, кг"},
        {u"Метка13", u"Э46", u"Тип электрода: Э46"},
        {u"Метка13", u"", u"Тип электрода"},
        {u"Метка12", u"", u"Тип электрода"},
        {u"Рисунок1", u"Т3", u"Чертеж соединения Т3"},
        {u"Комманда1", u"", u"Выход"},
        {u"Метка6", u"", u"Ориентировочный расчет электродов"},
        {u"Метка10", u"", u""},               // its text is its name
        {u"Комбо3", u"Нижнее", u"Положение"}, // a list's text is its value, not its name
    };
    for (const Row &row : rows) {
        const std::optional<std::size_t> at = definition::find(row.control);
        check::equal(check::utf8(row.control), "in the definition", at.has_value(), true);
        if (at)
            check::equal(check::utf8(row.control) + " showing " + check::utf8(row.shown), "name",
                         accessibility::nameShowing(*at, row.shown), row.name);
    }
}

// Contrast as the guidelines measure it, to two decimals.
void contrasts()
{
    using definition::Colour;
    struct Row {
        const char *name;
        Colour a, b;
        int hundredths;
    };
    const Row rows[]{
        {"black on white", {0, 0, 0}, {255, 255, 255}, 2100},
        {"a colour on itself", {128, 0, 0}, {128, 0, 0}, 100},
        {"either way round", {255, 255, 255}, {0, 0, 0}, 2100},
        {"black on the window's yellow", {0, 0, 0}, definition::loadedBackground, 2054},
        {"the area's red on the frame's green", definition::areaCaption,
         definition::frameBackground, 349},
        {"white on the window's yellow", {255, 255, 255}, definition::loadedBackground, 102},
    };
    for (const Row &row : rows)
        check::equal(row.name, "contrast", int(definition::contrast(row.a, row.b) * 100 + 0.5),
                     row.hundredths);
}

} // namespace

int main()
{
    making();
    loadOrder();
    events();
    separators();
    fieldContract();
    keyRule();
    names();
    contrasts();
    return check::verdict();
}
