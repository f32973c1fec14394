#include "model/tests/support/printers.h"

namespace kanmeri::testing {

std::string utf8(model::TextView text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void PrintTo(const ServiceCall& call, std::ostream* os) {
    static const char* const kinds[] = {"MessageBox", "Beep",         "SetFocus",
                                        "ShowWindow", "UnloadWindow", "EndProgram"};
    *os << kinds[static_cast<int>(call.kind)] << "(\"" << utf8(call.text) << "\"";
    if (call.kind == ServiceCall::Kind::MessageBox) {
        *os << ", style " << static_cast<int>(call.style) << ", title "
            << (call.title ? "\"" + utf8(*call.title) + "\"" : std::string("none"));
    }
    *os << ")";
}

}  // namespace kanmeri::testing
