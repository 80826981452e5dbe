// TPlayerMgr: the save points: the loaded pieces written as one save, what changed since the
// last one, and the saves before and as the game ends.
#include "PlayerMgr.h"

#include "engine/framework/PlayerMgrOwner.h"
#include "platform/host/PrivateProfile.h"

#include <algorithm>

std::vector<TPlayerMgr::TPiece> TPlayerMgr::LoadedPieces() const {
    std::vector<TPiece> pieces{
        {0, HeaderBlock->GetData(), HeaderBlock->GetSize()},
        {GameDataOffset, GameDataBlock->GetData(), GameDataBlock->GetSize()}};
    for (i16 r = 0; r < TableSize; ++r)
        if (const TSaveBlock* block = DataBlocks[static_cast<size_t>(r)].get())
            pieces.push_back(
                {RecordOffsets[static_cast<size_t>(r)], block->GetData(), block->GetSize()});
    return pieces;
}

bool TPlayerMgr::WriteAll() {
    if (SavingDisabled)
        return false;
    if (!HeaderBlock) {
        Teller.TellWriteRefused("Write File Header Failed");
        return false;
    }
    if (!GameDataBlock) {
        Teller.TellWriteRefused("Write Game Data Failed");
        return false;
    }
    return CommitLoaded();
}

bool TPlayerMgr::CommitLoaded() {
    const std::vector<TPiece> pieces = LoadedPieces();
    std::vector<std::pair<u32, std::vector<u8>>> tried;
    tried.reserve(pieces.size());
    for (const TPiece& piece : pieces)
        tried.emplace_back(piece.Offset, std::vector<u8>(piece.Data, piece.Data + piece.Size));
    TriedPieces = std::move(tried);
    return Commit(pieces);
}

std::vector<std::string> TPlayerMgr::SeatedNames() const {
    std::vector<std::string> names;
    for (i16 s = 0; s < SeatCount; ++s)
        names.push_back(GetPlayerName(GetActive(s)));
    return names;
}

bool TPlayerMgr::HasChangedSinceLastSave() const {
    if (!TriedPieces || !StoredNames || !HeaderBlock || !GameDataBlock ||
        *StoredNames != SeatedNames())
        return true;
    const std::vector<TPiece> pieces = LoadedPieces();
    if (pieces.size() != TriedPieces->size())
        return true;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const auto& [offset, bytes] = (*TriedPieces)[i];
        if (pieces[i].Offset != offset || pieces[i].Size != bytes.size() ||
            !std::equal(bytes.begin(), bytes.end(), pieces[i].Data))
            return true;
    }
    return false;
}

bool TPlayerMgr::SaveFile() {
    return SaveAll();
}

bool TPlayerMgr::SaveOnLeaving() {
    // The same bytes again would only make the player wait for the disk; a failed save is
    // tried once more, since the player must not leave believing it got through. A file
    // another program changed or removed since, or what is no file in its place, no longer
    // holds this run's gamblers, and the next start would find them lost.
    RunEnd->NoteLastSave();
    if (!HasChangedSinceLastSave() && !LastWriteFailed &&
        (SavingDisabled || !Keeper.RunFileMoved()))
        return true;
    return SaveAll();
}

bool TPlayerMgr::SaveBeforeEnding() {
    // Without a file read there is nothing to save into; the load told why.
    if (SavingDisabled || !HeaderBlock || !GameDataBlock)
        return true;
    {
        // The seated gamblers' names go to the settings in one rewrite.
        TPrivateProfileBatch seats;
        StoreActivePlayers();
    }
    if (CommitLoaded())
        return true;
    LastWriteFailed = true;
    return Teller.AskToEndUnsaved(
        LastSave, "Write Save File Failed", [this](const std::string& text) {
            return Owner == nullptr || Owner->AskPlayer(text, "Error - Save File");
        });
}

bool TPlayerMgr::SaveAll() {
    // The settings keep naming the players of the file this run could not use.
    if (SavingDisabled)
        return false;
    StoreActivePlayers();
    if (WriteAll())
        return true;
    ReportWriteFailure("Write Save File Failed");
    return false;
}

bool TPlayerMgr::SaveSeatedPlayers() {
    // Without a file read there is nothing to save into; the load told why.
    if (SavingDisabled || !HeaderBlock || !GameDataBlock)
        return false;
    if (CommitLoaded())
        return true;
    ReportWriteFailure("Write Save File Failed");
    return false;
}
