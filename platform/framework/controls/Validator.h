// Validators that an edit control asks about what is typed into it and about its whole text.
#pragma once

#include <bitset>
#include <string>

class TWindow;

// A set of characters written as the framework writes them: single characters and ranges
// such as "A-Za-z0-9". A '-' at either end stands for itself.
class TCharSet {
public:
    TCharSet() = default;
    explicit TCharSet(const char* chars);

    bool Has(char c) const { return Bits.test(static_cast<unsigned char>(c)); }
    void Enable(char c) { Bits.set(static_cast<unsigned char>(c)); }

private:
    std::bitset<256> Bits;
};

class TValidator {
public:
    TValidator() = default;
    virtual ~TValidator() = default;
    TValidator(const TValidator&) = delete;
    TValidator& operator=(const TValidator&) = delete;

    // Whether a text being typed can still become valid; the edit refuses a keystroke that
    // makes it false. The base accepts everything.
    virtual bool IsValidInput(std::string& text, bool suppressFill);
    // Whether a finished text is valid. The base accepts everything.
    virtual bool IsValid(const char* text);
    // Tells the user that the text is not valid.
    virtual void Error(TWindow* owner);
    // IsValid, telling the user when it is not.
    bool Valid(const char* text, TWindow* owner = nullptr);
};

// Accepts only texts made of the characters of its set.
class TFilterValidator : public TValidator {
public:
    explicit TFilterValidator(const TCharSet& validChars) : ValidChars(validChars) {}
    explicit TFilterValidator(const char* validChars) : ValidChars(validChars) {}

    bool IsValidInput(std::string& text, bool suppressFill) override;
    bool IsValid(const char* text) override;
    void Error(TWindow* owner) override;

    const TCharSet& GetValidChars() const { return ValidChars; }

private:
    TCharSet ValidChars;
};
