// TSkitCriteria: the conditions under which a skit may be chosen, two bits per condition.
#pragma once

#include "engine/foundation/JorpBase.h"

#include <array>

// Condition c sits in word c / 8, bits 2(c mod 8) and up, as a signed two-bit field:
// 0 no requirement, +1 must hold, -1 must not hold, -2 must be unknown.
class TSkitCriteria : public TJorpBase {
public:
    static constexpr int WORDS = 25;
    static constexpr int CONDITIONS = WORDS * 8;

    TSkitCriteria();
    TSkitCriteria(const TSkitCriteria& other);
    TSkitCriteria& operator=(const TSkitCriteria&) = delete;

    // Conditions from 200 on read 0 and are ignored when set.
    i32 GetCriterion(i32 condition) const;
    void SetCriterion(i32 condition, i32 value);
    // Field k (0 to 7) of a word, read sign-extended and stored masked to two bits.
    i32 GetField(i32 word, i32 k) const;
    void SetField(i32 word, i32 k, i32 value);
    // Words outside 0..24 are ignored.
    void SetWord(i32 n, u16 value);
    u16 GetWord(i32 n) const;
    void ClearWords();

    bool ReadBody() override;
    bool WriteBody() override;
    const char* GetHeaderId() const override;

private:
    std::array<u16, WORDS> Words{};
};
