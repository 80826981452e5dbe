// Character sets, the validator base and the filter validator.
#include "Validator.h"

#include "platform/framework/window/Window.h"

#include <cstring>

TCharSet::TCharSet(const char* chars) {
    if (chars == nullptr)
        return;
    const size_t n = std::strlen(chars);
    for (size_t i = 0; i < n; ++i) {
        const unsigned char from = static_cast<unsigned char>(chars[i]);
        if (i + 2 < n && chars[i + 1] == '-') {
            const unsigned char to = static_cast<unsigned char>(chars[i + 2]);
            // A range written backwards is empty rather than everything in between.
            for (unsigned c = from; c <= to; ++c)
                Bits.set(c);
            i += 2;
        } else {
            Bits.set(from);
        }
    }
}

bool TValidator::IsValidInput(std::string&, bool) {
    return true;
}

bool TValidator::IsValid(const char*) {
    return true;
}

void TValidator::Error(TWindow*) {}

bool TValidator::Valid(const char* text, TWindow* owner) {
    if (IsValid(text != nullptr ? text : ""))
        return true;
    Error(owner);
    return false;
}

bool TFilterValidator::IsValidInput(std::string& text, bool) {
    for (char c : text)
        if (!ValidChars.Has(c))
            return false;
    return true;
}

bool TFilterValidator::IsValid(const char* text) {
    for (const char* p = text; p != nullptr && *p != '\0'; ++p)
        if (!ValidChars.Has(*p))
            return false;
    return true;
}

void TFilterValidator::Error(TWindow* owner) {
    const char* text = "Invalid character in input";
    if (owner != nullptr)
        owner->MessageBox(text, "Validator Error", MB_ICONEXCLAMATION | MB_OK);
    else
        MessageBoxExA(nullptr, text, "Validator Error", MB_ICONEXCLAMATION | MB_OK);
}
