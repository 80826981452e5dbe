// The library loader: use counts, reloads, binding failures and the load-failure reports.
#include "engine/foundation/JorpDll.h"

#include "engine/foundation/EngineContext.h"
#include "platform/framework/window/Module.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

void Entry() {}

// Binds one entry point, as the mixer and back-buffer loaders bind theirs.
class TMixerDll : public TJorpDll {
public:
    TMixerDll(bool fatal, const char* wanted = "WaveMixInit")
        : TJorpDll("jwmix32.dll", fatal), Wanted(wanted) {}
    ~TMixerDll() override { Unload(); }
    bool BindFunctions() override {
        Init = GetProcAddress(GetModule(), Wanted);
        ++Binds;
        return Init != nullptr;
    }
    bool UnbindFunctions() override {
        Init = nullptr;
        return true;
    }
    const char* Wanted;
    TProcAddress Init = nullptr;
    int Binds = 0;
};

class JorpDll : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        TEngineContext::Module = &Module;
        RegisterBuiltinLibrary("jwmix32.dll", {{"WaveMixInit", &Entry}});
    }
    void TearDown() override {
        TEngineContext::Module = nullptr;
        UnregisterBuiltinLibraries();
    }
    TModule Module{"otcraps"};
};

TEST_F(JorpDll, UseCountsAndReloadHoldExactlyOneUseOfTheLibrary) {
    TMixerDll dll(true);
    EXPECT_TRUE(dll.Detach());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(dll.Attach());
    EXPECT_EQ(dll.Binds, 1);
    EXPECT_NE(dll.Init, nullptr);
    THostModule* module = LoadLibraryA("jwmix32.dll");
    ASSERT_EQ(GetModuleUseCount(module), 2);
    ASSERT_TRUE(dll.Reload());
    EXPECT_EQ(dll.GetUseCount(), 3);
    EXPECT_EQ(dll.Binds, 2);
    // The loader holds exactly one use of the library, as before the reload.
    EXPECT_EQ(GetModuleUseCount(module), 2);
    for (int i = 0; i < 2; ++i)
        dll.Detach();
    EXPECT_TRUE(dll.IsLoaded());
    dll.Detach();
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_EQ(dll.Init, nullptr);
    EXPECT_EQ(GetModuleUseCount(module), 1);
    FreeLibrary(module);

    TMixerDll idle(true);
    EXPECT_TRUE(idle.Reload());
    EXPECT_FALSE(idle.IsLoaded());
}

TEST_F(JorpDll, AMissingEntryPointFailsQuietly) {
    TMessageBoxRecorder boxes;
    TMixerDll dll(true, "WaveMixPump");
    EXPECT_FALSE(dll.Attach());
    EXPECT_FALSE(dll.IsLoaded());
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(GetModuleUseCount(LoadLibraryA("jwmix32.dll")), 1);
}

TEST_F(JorpDll, AFailedLoadReportsItsRealCause) {
    UnregisterBuiltinLibraries();
    TMessageBoxRecorder boxes;
    TMixerDll gentle(false);
    EXPECT_FALSE(gentle.Attach());
    EXPECT_FALSE(gentle.Attach());
    ASSERT_EQ(boxes.Boxes.size(), 2U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Load DLL Failure");
    EXPECT_EQ(boxes.Boxes[0].Text, "Loading DLL: jwmix32.dll\nFile was not found.");
    EXPECT_EQ(boxes.Boxes[0].Flags, MB_OK);

    TExitTrap trap;
    TMixerDll fatal(true);
    EXPECT_THROW(fatal.Attach(), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 3U);
    EXPECT_EQ(boxes.Boxes[2].Text,
              "Loading DLL: jwmix32.dll\nFile was not found.\nThis is a fatal error, will abort.");

    TEngineContext::Module = nullptr;
    TMixerDll orphan(false);
    EXPECT_FALSE(orphan.Attach());
    EXPECT_EQ(boxes.Boxes.back().Caption, "Error - DLL Load");
    EXPECT_EQ(boxes.Boxes.back().Text, "During DLL load, couldn't find app ptr.");
}

} // namespace
