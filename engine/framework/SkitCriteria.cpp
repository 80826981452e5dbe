// TSkitCriteria: fields of the condition words and the "CRIT" body.
#include "SkitCriteria.h"

TSkitCriteria::TSkitCriteria() : TJorpBase(nullptr) {}

TSkitCriteria::TSkitCriteria(const TSkitCriteria& other) : TJorpBase(nullptr), Words(other.Words) {}

i32 TSkitCriteria::GetField(i32 word, i32 k) const {
    if (word < 0 || word >= WORDS || k < 0 || k > 7)
        return 0;
    const i32 bits = (Words[static_cast<size_t>(word)] >> (2 * k)) & 3;
    return bits >= 2 ? bits - 4 : bits;
}

void TSkitCriteria::SetField(i32 word, i32 k, i32 value) {
    if (word < 0 || word >= WORDS || k < 0 || k > 7)
        return;
    const u32 mask = 3U << (2 * k);
    const u32 bits = (static_cast<u32>(value) & 3U) << (2 * k);
    u16& w = Words[static_cast<size_t>(word)];
    w = static_cast<u16>((w & ~mask) | bits);
}

i32 TSkitCriteria::GetCriterion(i32 condition) const {
    if (condition < 0 || condition >= CONDITIONS)
        return 0;
    return GetField(condition / 8, condition % 8);
}

void TSkitCriteria::SetCriterion(i32 condition, i32 value) {
    if (condition >= 0 && condition < CONDITIONS)
        SetField(condition / 8, condition % 8, value);
}

void TSkitCriteria::SetWord(i32 n, u16 value) {
    if (n >= 0 && n < WORDS)
        Words[static_cast<size_t>(n)] = value;
}

u16 TSkitCriteria::GetWord(i32 n) const {
    return n >= 0 && n < WORDS ? Words[static_cast<size_t>(n)] : u16{0};
}

void TSkitCriteria::ClearWords() {
    Words.fill(0);
}

bool TSkitCriteria::ReadBody() {
    i16 count = 0;
    if (!ReadI16(count) || count < 0 || static_cast<u32>(count) * 2 > GetReadPosition().Size)
        return false;
    // Words past the 25 this engine knows are read and dropped; nothing is kept from a
    // body that ends early.
    std::array<u16, WORDS> words{};
    for (i16 i = 0; i < count; ++i) {
        u16 word = 0;
        if (!ReadU16(word))
            return false;
        if (i < WORDS)
            words[static_cast<size_t>(i)] = word;
    }
    Words = words;
    return true;
}

bool TSkitCriteria::WriteBody() {
    if (!WriteI16(WORDS))
        return false;
    for (u16 word : Words)
        if (!WriteU16(word))
            return false;
    return true;
}

const char* TSkitCriteria::GetHeaderId() const {
    return "CRIT";
}
