// TPlayerMgr: the form its records are judged by, and the layout a damaged file's reader
// (TSaveRecordReader) is given.
#include "PlayerMgr.h"

#include <algorithm>

bool TPlayerMgr::CouldBeWholeRecord(const u8* record, u32 size, TLostBytes lost) {
    return save_record::CouldBeGambler(record, size, lost, GetFreePlace());
}

size_t TPlayerMgr::GetJudgedSize() {
    return TPlayerData::EncodedSize;
}

bool TPlayerMgr::CouldBeWrittenRecord(const u8* record, u32 size, TLostBytes lost) {
    return CouldBeWholeRecord(record, size, lost);
}

size_t TPlayerMgr::GetJudgedTail() {
    return 0;
}

const std::vector<u8>& TPlayerMgr::GetFreePlace() {
    const auto size = static_cast<size_t>(std::max(GetPlayerDataSize(), 0));
    if (FreePlace.size() != size) {
        FreePlace.assign(size, 0);
        const std::unique_ptr<TPlayerData> blank = NewPlayerData();
        if (!blank || !blank->Encode(FreePlace.data(), FreePlace.size()))
            FreePlace.clear();
    }
    return FreePlace;
}

TSaveRecordReader TPlayerMgr::RecordReader() {
    TSaveLayout layout;
    const auto size = static_cast<u32>(std::max(GetPlayerDataSize(), 0));
    layout.FileSize = GetSaveFileSize();
    layout.GameDataOffset = GameDataOffset;
    layout.Places.assign(RecordOffsets.begin(), RecordOffsets.begin() + TableSize);
    layout.Size = size;
    layout.Blank = GetFreePlace();
    layout.Judged = GetJudgedSize();
    layout.JudgedTail = GetJudgedTail();
    layout.CouldBeWhole = [this, size](const u8* record, TLostBytes lost) {
        return CouldBeWholeRecord(record, size, lost);
    };
    layout.CouldBeWritten = [this, size](const u8* record, TLostBytes lost) {
        return CouldBeWrittenRecord(record, size, lost);
    };
    layout.IsSaveHead = [this](const std::vector<u8>& bytes) { return CheckSaveHeader(bytes); };
    return TSaveRecordReader(std::move(layout));
}
