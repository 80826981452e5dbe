// TSaveKeeper: the run saved outside the save's folder, in the folder above it, when the
// save's own place cannot take it; and the names such a file may have.
#include "SaveKeeper.h"

std::string TSaveKeeper::OutsidePath() const {
    const std::string::size_type name = Path.rfind('\\');
    if (name == std::string::npos || name == 0)
        return std::string();
    const std::string::size_type folder = Path.rfind('\\', name - 1);
    if (folder == std::string::npos)
        return std::string();
    return Path.substr(0, folder + 1) + Path.substr(name + 1);
}

bool TSaveKeeper::PutOutside(const std::vector<u8>& image, TSaveResult& result) {
    const std::string outside = OutsidePath();
    if (outside.empty())
        return false;
    // The run's later saves go on into the file it was given there, as long as nobody else
    // has touched it.
    const std::string folder = outside.substr(0, outside.rfind('\\') + 1);
    if (DivertedHoldsRun() && Diverted.rfind(folder, 0) == 0 &&
        Diverted.find('\\', folder.size()) == std::string::npos) {
        PutImage(TSaveFile(*Host, Diverted), image, TPut::Over, TWriteFailure::Write, result);
        return result.Written();
    }
    PutImage(TSaveFile(*Host, outside), image, TPut::Aside, TWriteFailure::AsideNotKept, result);
    if (result.Written())
        result.Way = TSaveResult::TWay::Outside;
    return result.Written();
}

void TSaveKeeper::SaveOutside(const std::vector<u8>& image, const TPlaceLook& place,
                              TSaveResult& result) {
    result.Standing = place.Standing;
    result.Folder = place.Folder;
    if (DivertedHoldsRun()) {
        PutImage(TSaveFile(*Host, Diverted), image, TPut::Over, TWriteFailure::Write, result);
        return;
    }
    if (OutsidePath().empty()) {
        result.Error = place.Error;
        result.Failure = TWriteFailure::Gone;
        return;
    }
    // What stands in the folder's place may be the player's: it is left as it is, and the
    // folder above holds the run until the player puts the file back.
    if (PutOutside(image, result))
        return;
    if (result.Failure == TWriteFailure::Write)
        result.Failure = TWriteFailure::Gone;
    // The name aimed at in the folder above is no file the player has: what failed is the
    // save's own, in the folder that is no folder.
    result.WrittenTo = Path;
}

void TSaveKeeper::SaveInstead(const std::vector<u8>& image, TSaveResult& result) {
    const TSaveResult refused = result;
    if (!PutOutside(image, result)) {
        // Nothing of the run reached the folder above either: what the save's own place met
        // is what the player is told, and that the kept names above were all taken, since
        // moving some of them away serves as well as mending the save's place.
        const bool taken = result.AllKeptNamesTaken();
        result = refused;
        // Named by a name the folder above holds for the program: the save's own name there
        // is no name the program writes.
        if (taken)
            result.OutsideTaken = Host->FolderName(TSaveFile(*Host, OutsidePath()).GetTempPath());
        return;
    }
    result.Failure = refused.Failure;
    result.Error = refused.Error;
    result.Standing = refused.Standing;
    result.Unread = refused.Unread;
    result.Instead = true;
}

bool TSaveKeeper::IsKeptPath(const std::string& path) const {
    const std::string outside = OutsidePath();
    return File().IsKeptName(path) ||
           (!outside.empty() && TSaveFile(*Host, outside).IsKeptName(path));
}
