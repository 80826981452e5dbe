// TPlayerMgr: the run kept outside the save's place: a start that cannot read the save, and where
// the run's gamblers are when not in the save, noted in the settings and told at the next start.
#include "PlayerMgr.h"

#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/SaveFileHost.h"

#include <algorithm>

namespace {

// The settings' key that names the kept file the run's gamblers were last saved in, while they
// are not in the save.
const char RunKeptKey[] = "RunSavedAs";

} // namespace

bool TPlayerMgr::LoadUnread(int error) {
    // A fresh run, written where what stands in the save's place lets it; only where nothing at
    // all can be written is it played from memory.
    std::vector<u8> image;
    const bool built = BuildFreshImage(image);
    if (!built)
        image.clear();
    if (!built || !NoteResult(Keeper.PutWhereUnread(image, error))) {
        Teller.TellUnreadable(error);
        KeepInMemory(std::move(image));
        return false;
    }
    Teller.TellUnreadSaved(LastSave, error);
    return ReadLoaded();
}

void TPlayerMgr::NoteWhereKept() {
    const TJorpIniFile* settings = GetIniFile();
    const std::string& kept = Keeper.GetDiverted();
    if (settings == nullptr || KeptNoted == kept)
        return;
    KeptNoted = kept;
    settings->WriteString(settings->GetSystemSection(), RunKeptKey, kept);
}

void TPlayerMgr::TellWhereLastRunIs() {
    KeptNoted.reset();
    const TJorpIniFile* settings = GetIniFile();
    if (settings == nullptr)
        return;
    const std::string kept = settings->GetString(settings->GetSystemSection(), RunKeptKey, "");
    KeptNoted = kept;
    if (kept.empty())
        return;
    // The settings are anybody's to write: only a name the game keeps a run under is looked at.
    if (Keeper.IsKeptPath(kept) && HoldsOtherThanSave(kept))
        Teller.TellLastRunKept(kept);
    // Told once: this run's own saves say where its gamblers go.
    settings->WriteString(settings->GetSystemSection(), RunKeptKey, "");
    KeptNoted = std::string();
}

bool TPlayerMgr::HoldsOtherThanSave(const std::string& kept) {
    if (Host().Kind(kept) != THostPathKind::Regular)
        return false;
    // The player who did as he was told put the kept file in the save's place: it is the save.
    const i64 want = std::max<i64>(GetSaveFileSize(), 0) + 1;
    std::vector<u8> bytes;
    i64 size = -1;
    int error = 0;
    if (TSaveFile(Host(), kept).Look(bytes, static_cast<u32>(want), size, error) !=
            TSaveFile::TLook::Read ||
        size != static_cast<i64>(bytes.size()))
        return true;
    return File().Holds(bytes, error) != true;
}
