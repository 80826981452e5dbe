// BuildDataSet and the tool's command line.
#include "tools/databuild/writer/Build.h"

#include "tools/databuild/art/FontVersions.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/writer/DataWriter.h"
#include "tools/databuild/writer/HelpFile.h"
#include "tools/databuild/writer/SkitChecks.h"
#include "tools/databuild/writer/WaveLevels.h"

#include "platform/framework/draw/Font.h"

#include <iostream>

namespace {

// One step of the build; a fault in it becomes the error's text.
template <class TStep> bool Guarded(std::string& error, TStep&& step) {
    try {
        step();
        return true;
    } catch (const TBuildError& e) {
        error = e.what();
    } catch (const std::filesystem::filesystem_error& e) {
        error = e.what();
    }
    return false;
}

} // namespace

bool BuildDataSet(const TBuildOptions& options, std::string& error,
                  const std::function<void(TDataSet&)>& alter) {
    TDataSet set;
    return Guarded(error,
                   [&] {
                       set = MakeDataSet();
                       if (alter)
                           alter(set);
                   }) &&
           BuildDataSet(options, error, set);
}

bool BuildDataSet(const TBuildOptions& options, std::string& error, const TDataSet& set) {
    return Guarded(error, [&] {
        set.Check();
        CheckWaveLevels(set);
        CheckDealerSkits(set);
        BuildHelpFile(options.Target);
        TDataWriter writer(options.Target, options.Loose);
        writer.Write(set);
        writer.Commit();
    });
}

int DataBuildMain(int argc, const char* const* argv) {
    TBuildOptions options;
    bool haveTarget = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--loose") {
            options.Loose = true;
        } else if (!arg.empty() && arg[0] != '-' && !haveTarget) {
            options.Target = arg;
            haveTarget = true;
        } else {
            haveTarget = false;
            break;
        }
    }
    if (!haveTarget) {
        std::cerr << "usage: databuild [--loose] <data folder>\n";
        return 2;
    }
    std::string error;
    if (!BuildDataSet(options, error)) {
        std::cerr << "databuild: " << error << "\n";
        return 1;
    }
    // Byte-identical data needs the same faces and renderer, so the log says which were used.
    std::cout << "databuild: " << FontVersionLine(DejaVuDirectory) << "\n";
    return 0;
}
