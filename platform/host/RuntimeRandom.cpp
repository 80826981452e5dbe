// The process-wide generator behind rtl::srand and rtl::rand.
#include "RuntimeRandom.h"

namespace {

TLcgRandom& RuntimeGenerator() {
    static TLcgRandom generator;
    return generator;
}

TRandomSource* Current = nullptr;

TRandomSource& Source() {
    return Current != nullptr ? *Current : RuntimeGenerator();
}

} // namespace

void SetRandomSource(TRandomSource* source) {
    Current = source;
}

namespace rtl {

void srand(u32 seed) {
    Source().Seed(seed);
}

i32 rand() {
    return Source().Next();
}

} // namespace rtl
