// Test support: a damaged save handed to its reader as the load hands it: at most the bytes the
// load reads of the file (TPlayerMgr::GetSaveReadSize), with the file's whole size.
#pragma once

#include "engine/framework/PlayerMgr.h"

#include <algorithm>
#include <string>
#include <vector>

// A file longer than the load reads is judged on what it reads: the copies of the last places a
// shift moved past it are not there to be judged.
inline TSaveRecordReader::TRecovery RecoverAsLoaded(TPlayerMgr& mgr, const std::vector<u8>& file,
                                                    bool everyPoint = false) {
    TSaveRecordReader reader = mgr.RecordReader();
    reader.SetJudgeEveryPoint(everyPoint);
    const auto size = static_cast<i64>(file.size());
    const i64 read = std::min(size, std::max<i64>(mgr.GetSaveReadSize(), 0));
    if (read == size)
        return reader.Recover(file, size);
    return reader.Recover(std::vector<u8>(file.begin(), file.begin() + read), size);
}

inline TSaveRecordReader::TRecovery RecoverAsLoaded(TPlayerMgr& mgr, const std::string& file,
                                                    bool everyPoint = false) {
    return RecoverAsLoaded(mgr, std::vector<u8>(file.begin(), file.end()), everyPoint);
}
