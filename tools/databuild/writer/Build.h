// The data build as one call: content, checks, writing into the staging folder, the move into the
// target. The tool is this call with the command line's options.
#pragma once

#include "tools/databuild/model/DataSet.h"

#include <filesystem>
#include <functional>
#include <string>

struct TBuildOptions {
    std::filesystem::path Target;
    // Plain files under the target and a catalogue with nothing in it, instead of the pack.
    bool Loose = false;
};

// True when the target holds the new data set. False with the fault (naming the item) in
// error, and the target as it was.
bool BuildDataSet(const TBuildOptions& options, std::string& error,
                  const std::function<void(TDataSet&)>& alter = {});
// The same for a set made already: its checks, then the writing. Making the set is most of a
// build's time, so a caller that builds many variants of one set makes it once.
bool BuildDataSet(const TBuildOptions& options, std::string& error, const TDataSet& set);

// The tool's command line: [--loose] <data folder>. The process's exit code.
int DataBuildMain(int argc, const char* const* argv);
