// The fuzz seeds taken from the built data set: its modes and a skit list with its catalogue, so
// that the targets start from the files the game really reads.
#include "BuiltData.h"

#include "support/FuzzSeed.h"

#include <algorithm>

namespace {

// The base name of a catalogued file, for the seed's name.
std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr u32 SeedLimit = 4096;

bool HasExtension(const TCatalogued& file, const std::string& extension) {
    return file.Name.size() > extension.size() &&
           file.Name.compare(file.Name.size() - extension.size(), extension.size(), extension) == 0;
}

} // namespace

TEST_F(BuiltDataFixture, TheModeAndSkitFuzzSeedsAreFilesOfTheDataSet) {
    Build();
    const std::vector<TCatalogued> files = Catalogued();
    for (const std::string extension : {".m", ".skl", ".skc"}) {
        // The fullest of its kind that is still small keeps the fuzzer's steps over it quick.
        auto chosen = files.end();
        for (auto it = files.begin(); it != files.end(); ++it)
            if (HasExtension(*it, extension) && it->Size <= SeedLimit &&
                (chosen == files.end() || it->Size > chosen->Size))
                chosen = it;
        ASSERT_NE(chosen, files.end()) << extension;
        const std::string bytes = EngineBytes(chosen->Name);
        ASSERT_EQ(bytes.size(), chosen->Size) << chosen->Name;
        const std::string target = extension == ".m"     ? "mode_fuzz"
                                   : extension == ".skl" ? "skl_fuzz"
                                                         : "skc_fuzz";
        CheckFuzzSeed(target, "built_" + BaseName(chosen->Name), bytes);
    }
}
