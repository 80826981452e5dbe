// Test support: the game's data set in a test's own program folder, copied from the one the build
// wrote where there is one, and changed data sets built from the set made once per test program.
#pragma once

#include "MadeSet.h"
#include "resources/Resources.h"
#include "tools/databuild/writer/Build.h"
#include "tools/databuild/writer/HelpFile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

// The data set into the data folder given, with the help file beside it, as BuildDataSet writes
// them. Making the set takes seconds under the sanitizers and every test runs in a process of its
// own, so the build's copy is taken when the build wrote one (OTCRAPS_BUILT_DATA, the build's
// data folder) and the folder holds no earlier build of its own to replace. Either way the
// program's string table is left registered, as making the set leaves it.
inline bool PutDataSet(const std::filesystem::path& data, std::string& error) {
    namespace fs = std::filesystem;
    RegisterResources();
#ifdef OTCRAPS_BUILT_DATA
    const fs::path built = OTCRAPS_BUILT_DATA;
    std::ifstream list(built / "databuild.lst");
    if (list && !fs::exists(data / "databuild.lst")) {
        std::error_code ec;
        fs::create_directories(data, ec);
        for (std::string name; !ec && std::getline(list, name);)
            if (!name.empty())
                fs::copy_file(built / name, data / name, fs::copy_options::overwrite_existing, ec);
        if (!ec)
            fs::copy_file(built / "databuild.lst", data / "databuild.lst",
                          fs::copy_options::overwrite_existing, ec);
        if (!ec)
            fs::copy_file(HelpFileBeside(built), HelpFileBeside(data),
                          fs::copy_options::overwrite_existing, ec);
        if (!ec)
            return true;
        error = "copying the build's data set: " + ec.message();
        return false;
    }
#endif
    return BuildDataSet({data, false}, error, MadeSet());
}

// The set made once per test program, changed by alter, then checked and written as the tool
// would; the string table registered as for PutDataSet.
inline bool BuildChangedDataSet(const TBuildOptions& options, std::string& error,
                                const std::function<void(TDataSet&)>& alter) {
    TDataSet set = MadeSet();
    RegisterResources();
    alter(set);
    return BuildDataSet(options, error, set);
}
