// Game-object names in the object lists are matched with their letter case: a lord or seat
// named in another case is only a plain object, and the program ends naming the missing part.
#include "ProgramRun.h"
#include "ProgramSupport.h"
#include "support/FileBytes.h"

#include <fstream>

namespace {

// The pack is patched in place (same length) since the builder refuses upper-case names: the
// name is miscased where an object list ("GOL ") lists it, nowhere else.
bool MiscaseInObjectList(const std::filesystem::path& pack, const std::string& from,
                         const std::string& to) {
    std::string bytes = ReadFileBytes(pack);
    bool patched = false;
    for (size_t list = bytes.find("GOL "); list != std::string::npos;
         list = bytes.find("GOL ", list + 4)) {
        const size_t at = bytes.find(from, list);
        if (at != std::string::npos && at - list < 1024) {
            bytes.replace(at, from.size(), to);
            patched = true;
        }
    }
    std::ofstream(pack, std::ios::binary | std::ios::trunc) << bytes;
    return patched;
}

class ProgramFileNames : public ProgramFixture {};

TEST_F(ProgramFileNames, AMiscasedLordOrSeatEndsTheProgramNamingWhatIsMissing) {
    struct Case {
        const char* Name;
        const char* From;
        const char* To;
        bool Intro;
        const char* Box;
    };
    const Case cases[] = {
        {"intro lord", "\\s4glrd00\\s4glrd00.go", "\\S4glrd00\\s4glrd00.go", true,
         "[GObj Setup] Error setting up GObj GameLord\n GObj name: intro glrd"},
        {"table lord", "\\f1glrd00\\f1glrd00.go", "\\f1glrd00\\F1glrd00.go", false,
         "[GObj Setup] Error setting up GObj GameLord\n GObj name: unknown"},
        {"second seat", "\\f1humn02\\f1humn02.go", "\\f1humn02\\f1HUMN02.go", false,
         "[GObj Setup] Error setting up GObj Human Slot 1\n GObj name: unknown"},
    };
    std::filesystem::copy_file(OTCRAPS_PROGRAM, Dir.Host("otcraps"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Build();
        ASSERT_TRUE(MiscaseInObjectList(Dir.Host("data/otcraps.dew"), c.From, c.To));
        Dir.WriteHostFile("otcraps.ini", c.Intro ? "" : "[Intro]\nShow=0\n");
        const TProgramRun run = RunProgram(Dir.Host("otcraps").string(), {"--headless"});
        EXPECT_EQ(run.Code, 1);
        EXPECT_NE(run.Errors.find(c.Box), std::string::npos) << run.Errors;
    }
}

} // namespace
