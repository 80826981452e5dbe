// The runtime library's pseudo-random generator (the srand and rand roles), replaceable in tests.
#pragma once

#include "Types.h"

// The game's dice, skit choices and odd decisions all draw from this one generator.
class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual void Seed(u32 seed) = 0;
    // 0 to 0x7FFFFFFF.
    virtual i32 Next() = 0;
};

// The runtime's linear congruential generator: the state advances as
// state * 22695477 + 1 modulo 2^64 and each number is the upper 32 bits of the new
// state with the top bit cleared.
class TLcgRandom : public TRandomSource {
public:
    void Seed(u32 seed) override { State = seed; }
    i32 Next() override {
        State = State * 22695477ULL + 1ULL;
        return static_cast<i32>((State >> 32) & 0x7FFFFFFFULL);
    }
    u64 GetState() const { return State; }

private:
    u64 State = 1;
};

// Installs a generator for the process; null puts the runtime's own back.
void SetRandomSource(TRandomSource* source);

class TScopedRandomSource {
public:
    explicit TScopedRandomSource(TRandomSource& source) { SetRandomSource(&source); }
    ~TScopedRandomSource() { SetRandomSource(nullptr); }
    TScopedRandomSource(const TScopedRandomSource&) = delete;
    TScopedRandomSource& operator=(const TScopedRandomSource&) = delete;
};

// Named apart from the C library's functions so that nothing can call those by mistake.
namespace rtl {
void srand(u32 seed);
i32 rand();
constexpr i32 RandMax = 0x7FFFFFFF;
} // namespace rtl
