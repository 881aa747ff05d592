// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "win32/fields.h"

#include "form/accessibility.h"
#include "win32/accessibility.h"
#include "win32/picture.h"
#include "win32/text.h"

using form::Field;

namespace {

// Counts a write from code for as long as it lasts.
class Writing
{
public:
    explicit Writing(int &count) : count_(count) { ++count_; }
    ~Writing() { --count_; }
    Writing(const Writing &) = delete;
    Writing &operator=(const Writing &) = delete;

private:
    int &count_;
};

} // namespace

std::u16string Win32Fields::itemOf(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR)
        return {};
    std::wstring item(std::size_t(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, CB_GETLBTEXT, WPARAM(index), LPARAM(item.data()));
    return wintext::fromWide(item.data(), got == CB_ERR ? 0 : std::size_t(got));
}

std::u16string Win32Fields::text(Field field) const
{
    return wintext::textOf(control(field));
}

void Win32Fields::setText(Field field, std::u16string_view text)
{
    HWND edit = control(field);
    // Windows tells of a write from code with the same notification as of the user's
    // edit: the write is made quietly.
    Writing w(writing_);
    wintext::setTextOf(edit, text);
    // The result's first digits in sight: a text longer than the field starts at its
    // beginning, so that the magnitude is never misread.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void Win32Fields::setListText(Field field, std::u16string_view text)
{
    HWND list = control(field);
    Writing w(writing_);
    // Windows' own search ignores case; the lists' items differ in case only where
    // they differ in meaning, so the search is exact.
    const int count = int(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (itemOf(list, i) == text) {
            SendMessageW(list, CB_SETCURSEL, WPARAM(i), 0);
            break;
        }
    wintext::setTextOf(list, text);
}

void Win32Fields::fillList(Field field, std::span<const std::u16string_view> items)
{
    HWND list = control(field);
    Writing w(writing_);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::u16string_view item : items)
        SendMessageW(list, CB_ADDSTRING, 0, LPARAM(wintext::wide(item).c_str()));
}

void Win32Fields::setCaption(Field field, std::u16string_view caption)
{
    wintext::setTextOf(control(field), caption);
    nameValues();
}

void Win32Fields::showJoint(calc::Joint joint)
{
    const std::size_t image = definition::jointImages[std::size_t(joint)];
    auto bitmap =
        reinterpret_cast<HBITMAP>(SendMessageW(made_[image], STM_GETIMAGE, IMAGE_BITMAP, 0));
    HWND box = made_[definition::at(definition::Role::Picture)];
    if (picture::shown(box) == bitmap)
        return;
    picture::show(box, bitmap);
    joint_ = joint;
    nameValues();
}

void Win32Fields::nameValues()
{
    // A value box is read by its caption and the value it shows, the picture by what it
    // is and the joint it shows.
    constexpr std::size_t value = definition::at(definition::Role::ValueBox);
    winaccessibility::name(made_[value],
                           accessibility::nameShowing(value, wintext::textOf(made_[value])));
    if (!joint_)
        return;
    constexpr std::size_t picture = definition::at(definition::Role::Picture);
    winaccessibility::name(made_[picture], accessibility::nameShowing(
                                               picture, calc::joints[std::size_t(*joint_)].name));
    winaccessibility::describe(made_[picture], accessibility::jointDescription(*joint_));
}

void Win32Fields::setBackground(form::Background background)
{
    background_ = background == form::Background::Loaded ? definition::loadedBackground
                                                         : definition::definedBackground;
    HWND window = GetParent(made_[0]);
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}
