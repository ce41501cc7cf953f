#include "markup.h"

#include <cstdio>

namespace velmora::web {

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
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
                out += ch;
        }
    }
    return out;
}

std::string CssColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number(text);
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string CssLength(double pixels) {
    return "calc(" + Number(pixels) + " * var(--px))";
}

}  // namespace velmora::web
