// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// Writes the web app's page from the window's definition: every control an element with
// its name as its id, in the order the focus follows, with its stored text, its name for
// screen readers and its look. From 480 CSS pixels on, the controls stand where the
// definition places them; narrower, they stand in one column, each caption above its
// field, each control at least 44 pixels tall.
//   web-page OUT.html

#include "form/accessibility.h"
#include "form/definition.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using definition::Control;
using definition::Kind;
using definition::Role;

namespace {

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// A text as HTML shows it: in an element, or in an attribute's quotes.
std::string escaped(std::u16string_view text)
{
    std::string out;
    for (const char c : utf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string rgb(definition::Colour c)
{
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

// A defined text colour on its background, darkened in steps until it can be read
// (the guidelines' 4.5 to 1): the same hue, a shade the page's users can all read.
definition::Colour readable(definition::Colour text, definition::Colour background)
{
    while (definition::contrast(text, background) < definition::readableContrast)
        text = {text.red * 15 / 16, text.green * 15 / 16, text.blue * 15 / 16};
    return text;
}

using definition::frameRow;

// A control's place in the window, in CSS pixels (a logical pixel of the definition):
// the frame's controls are placed inside it.
struct Place {
    int left, top, width, height;
};

Place placeOf(const Control &c)
{
    using definition::px;
    int left = c.left, top = c.top;
    if (c.container == definition::Container::Frame) {
        left += definition::controls[frameRow].left;
        top += definition::controls[frameRow].top;
    }
    if (c.kind == Kind::Line)
        return {px(left), px(top), px(c.width) - px(left) + 1, 1};
    return {px(left), px(top), px(c.width), px(c.height)};
}

std::string placed(const Place &p)
{
    return "left:" + std::to_string(p.left) + "px;top:" + std::to_string(p.top) +
           "px;width:" + std::to_string(p.width) + "px;height:" + std::to_string(p.height) + "px";
}

// The caption that names the control at `row`, if one does.
std::optional<std::size_t> captionOf(std::size_t row)
{
    for (const definition::Caption &pair : definition::captions)
        if (pair.field == row)
            return pair.caption;
    return std::nullopt;
}

std::string id(std::size_t row)
{
    return utf8(definition::controls[row].name);
}

// A caption's words, and its leader dots, which only the window's layout shows and
// which no screen reader reads.
std::string captionText(std::u16string_view text)
{
    std::size_t words = text.size();
    while (words > 0 && (text[words - 1] == u'.' || text[words - 1] == u' '))
        --words;
    std::string out = "<span class=\"words\">" + escaped(text.substr(0, words)) + "</span>";
    if (words < text.size())
        out +=
            "<span class=\"dots\" aria-hidden=\"true\">" + escaped(text.substr(words)) + "</span>";
    return out;
}

std::string aria(std::size_t row)
{
    const std::u16string name = accessibility::nameOf(row);
    return name.empty() ? std::string() : " aria-label=\"" + escaped(name) + "\"";
}

// The drawing that ends an image control's name ("И_Н1": n1.bmp).
std::string pictureOf(std::size_t row)
{
    static constexpr const char *files[]{"n1.bmp", "n2.bmp", "t1.bmp",
                                         "t3.bmp", "u4.bmp", "u5.bmp"};
    for (std::size_t i = 0; i < definition::jointImages.size(); ++i)
        if (definition::jointImages[i] == row)
            return files[i];
    return {};
}

// Where the page's script finds the control at `row`: by its row, the field it holds
// and the joint whose picture it holds.
std::string data(std::size_t row)
{
    std::string out = " data-row=\"" + std::to_string(row) + "\"";
    if (const auto field = definition::fieldAt(row))
        out += " data-field=\"" + std::to_string(int(*field)) + "\"";
    for (std::size_t i = 0; i < definition::jointImages.size(); ++i)
        if (definition::jointImages[i] == row)
            out += " data-joint=\"" + std::to_string(i) + "\"";
    return out;
}

// The element of the control at `row`.
std::string element(std::size_t row)
{
    const Control &c = definition::controls[row];
    const std::string at = "id=\"" + id(row) + "\"" + data(row);
    const std::optional<form::Field> field = definition::fieldAt(row);
    const definition::FieldRule *rule = field ? definition::ruleOf(*field) : nullptr;
    // The keyboard a phone shows: digits where the field takes only them, none where it
    // takes no character at all.
    std::string keys;
    if (rule)
        keys = rule->allowed.empty()                              ? " inputmode=\"none\""
               : rule->allowed.find(u',') == std::u16string::npos ? " inputmode=\"numeric\""
                                                                  : " inputmode=\"decimal\"";
    const std::string input = " type=\"text\" value=\"" + escaped(c.text) + "\"" + aria(row) +
                              keys +
                              " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"";
    switch (c.kind) {
    case Kind::Combo:
        // The edit field, and beside it the button that opens the list: the browser's
        // own, which a phone shows as its picker.
        return "<div class=\"combo\" id=\"" + id(row) + "-box\"><input " + at + input +
               "><select id=\"" + id(row) + "-список\" tabindex=\"-1\"" + aria(row) +
               "></select></div>";
    case Kind::Text:
        return "<input " + at + " class=\"box\"" + input +
               (definition::isShown(c) ? "" : " hidden") + ">";
    case Kind::Label:
        if (c.role == Role::Title)
            return "<h1 " + at + " class=\"label\">" + escaped(c.text) + "</h1>";
        if (c.role == Role::ValueBox)
            return "<output " + at + " class=\"label\"" + aria(row) + ">" + escaped(c.text) +
                   "</output>";
        for (const definition::Caption &pair : definition::captions)
            if (pair.caption == row)
                return "<label " + at + " class=\"label\" for=\"" + id(pair.field) + "\">" +
                       captionText(c.text) + "</label>";
        return "<p " + at + " class=\"label\">" + escaped(c.text) + "</p>";
    case Kind::Button:
        return "<button " + at + " type=\"button\">" + escaped(c.text) + "</button>";
    case Kind::Picture:
        return "<figure " + at + aria(row) + "><img alt=\"\" width=\"120\" height=\"95\"></figure>";
    case Kind::Frame:
    case Kind::Line:
        return "<div " + at + " class=\"" + (c.kind == Kind::Frame ? "frame" : "line") +
               "\" aria-hidden=\"true\"></div>";
    case Kind::Image:
        return "<img " + at + " src=\"" + pictureOf(row) + "\" alt=\"\" loading=\"lazy\" hidden>";
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.html\n", argv[0]);
        return 2;
    }
    // In the order the focus follows, the title first, each caption just before the
    // field it names, and every other control where its tab index puts it.
    std::vector<std::size_t> order{definition::at(Role::Title)};
    for (const std::size_t row : definition::tabOrder) {
        bool caption = false;
        for (const definition::Caption &pair : definition::captions)
            caption = caption || pair.caption == row;
        if (caption || row == order.front())
            continue;
        if (const auto named = captionOf(row))
            order.push_back(*named);
        order.push_back(row);
    }
    std::string css;
    std::string colours;
    std::string body;
    for (const std::size_t row : order) {
        const Control &c = definition::controls[row];
        body += element(row) + "\n";
        if (c.kind == Kind::Image)
            continue;
        css += '#';
        css += id(row);
        if (c.kind == Kind::Combo)
            css += "-box";
        css += '{';
        css += placed(placeOf(c));
        css += "}\n";
    }
    // The defined colours, each a shade that can be read on its background.
    for (const definition::ControlColour &cc : definition::controlColours) {
        const Control &c = definition::controls[cc.row];
        if (cc.part == definition::Part::Face) {
            colours += '#';
            colours += id(cc.row) + "{background:" + rgb(cc.colour) + "}\n";
            continue;
        }
        const definition::Colour under = c.container == definition::Container::Frame
                                             ? definition::frameBackground
                                         : c.kind == Kind::Text ? definition::Colour{255, 255, 255}
                                                                : definition::loadedBackground;
        // Narrow, every caption stands on the window's background.
        const definition::Colour colour =
            readable(readable(cc.colour, under), definition::loadedBackground);
        colours += '#';
        colours += id(cc.row) + "{color:" + rgb(colour) + "}\n";
    }

    std::ofstream out(argv[1], std::ios::binary);
    out << "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<title>" << escaped(definition::formTitle) << "</title>\n"
        << "<meta name=\"description\" content=\"Ориентировочная масса сварочных электродов по "
           "катету, типу соединения и длине сварных швов\">\n"
        << "<meta name=\"theme-color\" content=\"" << rgb(definition::loadedBackground) << "\">\n"
        << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        << "<link rel=\"icon\" href=\"icon-192.png\">\n"
        << "<link rel=\"apple-touch-icon\" href=\"icon-192.png\">\n"
        << "<link rel=\"modulepreload\" href=\"app.js\">\n"
        << "<link rel=\"modulepreload\" href=\"fields.js\">\n"
        << "<link rel=\"preload\" href=\"electrode.wasm\" as=\"fetch\" crossorigin>\n"
        << "<link rel=\"stylesheet\" href=\"style.css\">\n"
        << "<style>\n#Форма1{background:" << rgb(definition::definedBackground)
        << "}\n#Форма1.loaded{background:" << rgb(definition::loadedBackground) << "}\n#"
        << id(frameRow) << "{background:" << rgb(definition::frameBackground) << "}\n"
        << colours
        << "@media (min-width:480px){\n#Форма1{width:" << definition::px(definition::formWidth)
        << "px;height:" << definition::px(definition::formHeight) << "px}\n"
        << css << "}\n</style>\n"
        << "<script type=\"module\" src=\"app.js\"></script>\n</head>\n<body>\n"
        << "<main id=\"" << escaped(definition::formName) << "\">\n"
        << body << "</main>\n"
        << "<p id=\"failure\" hidden>Эта страница работает в браузере с поддержкой "
           "WebAssembly: откройте ее в другом браузере или обновите этот.</p>\n"
        << "<noscript><p>Для расчета странице нужен JavaScript: включите его в "
           "настройках браузера.</p></noscript>\n"
        << "</body>\n</html>\n";
    return out ? 0 : 1;
}
