// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The window's logic for the web page: the fields are the page's own controls, which
// its script reads and writes for the logic (page.js); the page forwards the user's
// picks, edits and keys. Texts cross in UTF-16: the page writes its arguments into the
// module's input buffer, and a field's text into a reply buffer, each read at once.

#include "web/pagefields.h"

#include "form/form.h"

#include <__verbose_abort>
#include <algorithm>
#include <cstdlib>
#include <new>
#include <optional>

// No message on a failure, only a trap: the C++ library's own would bring in printf and
// the system calls that write to standard error, which a page does not have.
void std::__libcpp_verbose_abort(const char *, ...)
{
    __builtin_trap();
}

void *operator new(std::size_t size)
{
    if (void *p = std::malloc(size ? size : 1))
        return p;
    __builtin_trap();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

constexpr std::size_t inputSize = 1 << 16;
char16_t input[inputSize];

PageFields fields;
std::optional<form::Форма1> logic;

std::u16string received(int length)
{
    return {input, std::size_t(std::clamp(length, 0, int(inputSize)))};
}

std::optional<form::Field> fieldOf(int field)
{
    if (field < 0 || std::size_t(field) >= form::fieldCount)
        return std::nullopt;
    return form::Field(field);
}

} // namespace

extern "C" {

__attribute__((export_name("input"))) char16_t *inputBuffer()
{
    return input;
}

__attribute__((export_name("inputSize"))) int inputBufferSize()
{
    return int(inputSize);
}

// The window made over the page's controls and loaded, with the user's decimal
// separator (in the input buffer).
__attribute__((export_name("start"))) void start(int separatorLength)
{
    if (logic)
        return;
    logic.emplace(fields, received(separatorLength));
    logic->Load();
}

// The user picked the item (in the input buffer) of a list.
__attribute__((export_name("picked"))) void picked(int list, int length)
{
    if (const auto f = fieldOf(list); logic && f && form::isList(*f))
        logic->picked(*f, received(length));
}

// The user changed a field's text otherwise than by a pick.
__attribute__((export_name("edited"))) void edited(int field)
{
    if (const auto f = fieldOf(field); logic && f)
        logic->edited(*f);
}

// A typed character: the code the field's KeyPress leaves, 0 to drop it.
__attribute__((export_name("keyPress"))) int keyPress(int field, int code)
{
    const auto f = fieldOf(field);
    if (!f || code < 0 || code > 0xFFFF)
        return 0;
    return form::Форма1::KeyPress(*f, char16_t(code));
}

// Whether text that arrives whole without keys (in the input buffer) may enter.
__attribute__((export_name("takesWhole"))) int takesWhole(int field, int length)
{
    const auto f = fieldOf(field);
    return f && form::Форма1::takesWhole(*f, received(length));
}

__attribute__((export_name("takesPastes"))) int takesPastes(int field)
{
    const auto f = fieldOf(field);
    return f && form::Форма1::takesPastes(*f);
}

__attribute__((export_name("calculations"))) int calculations()
{
    return logic ? logic->calculations() : 0;
}

} // extern "C"
