// Built-in libraries: lookup by name, entry points, use counts and refusal of a double free.
#include "platform/host/Library.h"

#include <gtest/gtest.h>

namespace {

int Answer() {
    return 42;
}

TEST(Library, BindsEntryPointsOfARegisteredLibrary) {
    RegisterBuiltinLibrary("jwmix32.dll",
                           {{"WaveMixInit", reinterpret_cast<TProcAddress>(&Answer)}});
    THostModule* module = LoadLibraryA("JWMIX32.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetLastLoadError(), 0U);
    auto init = reinterpret_cast<int (*)()>(GetProcAddress(module, "WaveMixInit"));
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init(), 42);
    EXPECT_EQ(GetProcAddress(module, "WaveMixPump"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    UnregisterBuiltinLibraries();
}

TEST(Library, CountsUsesAndNeverFreesTwice) {
    RegisterBuiltinLibrary("wing32.dll",
                           {{"WinGCreateDC", reinterpret_cast<TProcAddress>(&Answer)}});
    THostModule* a = LoadLibraryA("wing32.dll");
    THostModule* b = LoadLibraryA("wing32.dll");
    EXPECT_EQ(a, b);
    EXPECT_EQ(GetModuleUseCount(a), 2);
    EXPECT_TRUE(FreeLibrary(a));
    EXPECT_TRUE(FreeLibrary(b));
    EXPECT_EQ(GetModuleUseCount(a), 0);
    EXPECT_FALSE(FreeLibrary(a));
    EXPECT_EQ(GetModuleUseCount(a), 0);
    // A freed module binds nothing.
    EXPECT_EQ(GetProcAddress(a, "WinGCreateDC"), nullptr);
    UnregisterBuiltinLibraries();
}

TEST(Library, AMissingLibraryReportsFileNotFound) {
    EXPECT_EQ(LoadLibraryA("nosuch.dll"), nullptr);
    EXPECT_EQ(GetLastLoadError(), LOAD_ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

} // namespace
