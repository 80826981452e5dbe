// Built-in libraries: lookup by name, entry points, use counts and refusal of a double free.
#include "platform/host/Library.h"

#include <gtest/gtest.h>

namespace {

int Answer() {
    return 42;
}

TEST(Library, BindsByNameCountsUsesAndNeverFreesTwice) {
    RegisterBuiltinLibrary("jwmix32.dll",
                           {{"WaveMixInit", reinterpret_cast<TProcAddress>(&Answer)}});
    THostModule* a = LoadLibraryA("JWMIX32.DLL");
    THostModule* b = LoadLibraryA("jwmix32.dll");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GetLastLoadError(), 0U);
    EXPECT_EQ(a, b);
    EXPECT_EQ(GetModuleUseCount(a), 2);
    auto init = reinterpret_cast<int (*)()>(GetProcAddress(a, "WaveMixInit"));
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init(), 42);
    EXPECT_EQ(GetProcAddress(a, "WaveMixPump"), nullptr);
    EXPECT_TRUE(FreeLibrary(a));
    EXPECT_TRUE(FreeLibrary(b));
    EXPECT_EQ(GetModuleUseCount(a), 0);
    EXPECT_FALSE(FreeLibrary(a));
    EXPECT_EQ(GetModuleUseCount(a), 0);
    // A freed module binds nothing.
    EXPECT_EQ(GetProcAddress(a, "WaveMixInit"), nullptr);
    UnregisterBuiltinLibraries();

    EXPECT_EQ(LoadLibraryA("nosuch.dll"), nullptr);
    EXPECT_EQ(GetLastLoadError(), LOAD_ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

} // namespace
