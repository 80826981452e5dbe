// JorpPrintable: unprintable bytes of a text shown as hex.
#include "PrintableText.h"

std::string JorpPrintable(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
            continue;
        }
        shown += "<0x";
        shown += digits[byte >> 4];
        shown += digits[byte & 0x0F];
        shown += '>';
    }
    return shown;
}
