// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "form/accessibility.h"

#include "form/definition.h"

namespace accessibility {

namespace {

// The blanks a caption may hold: the ASCII ones and the no-break space.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' ||
           c == u'\u00A0';
}

} // namespace

std::u16string nameFromCaption(std::u16string_view caption)
{
    std::size_t end = caption.size();
    while (end > 0 && (caption[end - 1] == u'.' || isBlank(caption[end - 1])))
        --end;
    std::u16string name;
    bool blank = false;
    for (const char16_t c : caption.substr(0, end)) {
        if (isBlank(c)) {
            blank = !name.empty();
            continue;
        }
        if (blank)
            name += u' ';
        blank = false;
        name += c;
    }
    return name;
}

std::u16string nameOf(std::size_t row)
{
    using definition::controls;
    const definition::Control &c = controls[row];
    for (const definition::Caption &pair : definition::captions)
        if (pair.field == row)
            return nameFromCaption(controls[pair.caption].text);
    if (c.role == definition::Role::Picture)
        return std::u16string(pictureName);
    if (!definition::isShown(c))
        return {};
    if (c.kind == definition::Kind::Label && definition::fieldAt(row))
        return {};
    return nameFromCaption(c.text);
}

std::u16string nameShowing(std::size_t row, std::u16string_view shown)
{
    std::u16string name = nameOf(row);
    if (shown.empty())
        return name;
    switch (definition::controls[row].role) {
    case definition::Role::ValueBox:
        return name + u": " + std::u16string(shown);
    case definition::Role::Picture:
        return name + u' ' + std::u16string(shown);
    default:
        return name;
    }
}

std::u16string jointDescription(calc::Joint joint)
{
    return u"Тип соединения " + std::u16string(calc::joints[std::size_t(joint)].name);
}

} // namespace accessibility
