// TSaveTeller: the load's words: a damaged save set aside or not, a save not found or made
// afresh, one that cannot be read, and the steps of a read or a write that failed.
#include "SaveTeller.h"

#include "engine/foundation/FileName.h"
#include "engine/foundation/PrintableText.h"
#include "engine/framework/SaveKeeper.h"
#include "platform/host/Log.h"
#include "platform/host/PathKind.h"

#include <cerrno>
#include <cstring>

namespace {

const std::string NothingSaved = "\n\nNothing will be saved until the game is started again.";

// How many gamblers came out of a damaged file, and the names of those left out; with
// fromMemory, that they play from memory this run.
std::string RecoveredText(size_t recovered, const std::vector<std::string>& leftOut,
                          bool fromMemory) {
    std::string told;
    if (recovered == 0)
        told = "No gambler could be recovered from it.";
    else
        told = (recovered == 1 ? std::string("1 gambler was")
                               : std::to_string(recovered) + " gamblers were") +
               " recovered from it" +
               (fromMemory ? ", to be played from memory this run and recovered again at the "
                             "next start."
                           : ".");
    for (size_t i = 0; i < leftOut.size(); ++i)
        told += (i == 0 ? "\nLeft out as damaged: " : ", ") + leftOut[i];
    if (!leftOut.empty())
        told += ".";
    return told;
}

} // namespace

std::string TSaveTeller::SaveName() const {
    return Keeper->DisplayName(Keeper->GetPath());
}

void TSaveTeller::SayLeftOut(const std::vector<std::string>& leftOut) {
    // A damaged name's bytes may be no text at all: the error output shows them as the program
    // shows any byte that is no text (the quotes and backslashes in a name are escaped already).
    std::string names;
    for (const std::string& name : leftOut)
        names += (names.empty() ? "" : ", ") + JorpPrintable(name);
    LogError("gamblers left out of the damaged save " + SaveName() + ": " + names);
}

void TSaveTeller::TellDamagedKept(const std::string& kept, size_t recovered,
                                  const std::vector<std::string>& leftOut) {
    const std::string told = RecoveredText(recovered, {}, false);
    LogError("the damaged save " + SaveName() + " is kept as " + kept + ": " +
             told.substr(0, told.size() - 1));
    Box("Save File Corrupted\nThe old file is kept as " + kept + ".\n" +
        RecoveredText(recovered, leftOut, false));
}

void TSaveTeller::TellDamagedNotKept(const TSaveResult& result, size_t recovered,
                                     const std::vector<std::string>& leftOut) {
    // One box: the file, what kept it where it was and why, and the gamblers played from
    // memory, so that the same gamblers are recovered again at the next start.
    const auto [name, what] = LogWriteFailure(result);
    std::string told;
    switch (result.Failure) {
    case TWriteFailure::DamagedNotKept:
        told = what + ", so it stays where it was.";
        break;
    case TWriteFailure::FolderInTheWay:
        told = what + ".\nThe damaged save file stays where it was.";
        break;
    default:
        told = "is damaged, and the file to replace it " + what + ", so it stays where it was.";
        break;
    }
    // The kept names stay taken until the player clears some, and every start meets them.
    const std::string advice = result.AllKeptNamesTaken()
                                   ? " Move some of those elsewhere first, so "
                                     "that the damaged file can be set aside."
                                   : "";
    Box("Save File Corrupted\n" + name + "\n" + told + "\n" +
        RecoveredText(recovered, leftOut, true) + NothingSaved + advice);
}

void TSaveTeller::TellDamagedSavedInstead(const TSaveResult& result, size_t recovered,
                                          const std::vector<std::string>& leftOut) {
    // What the save's own place met, said as a failed save says it.
    TSaveResult refused = result;
    refused.Way = TSaveResult::TWay::NotWritten;
    refused.WrittenTo = Keeper->GetPath();
    const std::string what = Describe(refused).second;
    const std::string kept = Keeper->DisplayName(result.WrittenTo);
    const std::string told = RecoveredText(recovered, {}, false);
    LogError("the damaged save " + SaveName() +
             " stays where it was, since the file to replace it " + what + ": " +
             told.substr(0, told.size() - 1) + "; the gamblers of this run are saved instead as " +
             kept);
    Box("Save File Corrupted\n" + SaveName() + "\nis damaged, and the file to replace it " + what +
        ", so it stays where it was.\n" + RecoveredText(recovered, leftOut, false) +
        "\nThe gamblers of this run are saved instead as\n" + kept +
        "\nPut that file in the save's place as " + TJorpFileName(Keeper->GetPath()).GetNameExt() +
        " to play them at the next start.");
}

void TSaveTeller::TellUnreadSaved(const TSaveResult& result, int error) {
    const bool folder = result.Way == TSaveResult::TWay::Outside && !result.Instead;
    const std::string why =
        folder ? "cannot be read: its folder " + result.Folder + " is " + result.Standing
               : UnreadWhy(error);
    const bool beside = result.Way == TSaveResult::TWay::Beside;
    const std::string kept = beside ? result.Kept : Keeper->DisplayName(result.WrittenTo);
    const std::string saved = beside || folder ? "saved beside it as" : "saved instead as";
    LogError("the gamblers cannot be loaded: the save file " + SaveName() + " " + why +
             "; the gamblers of this run are " + saved + " " + kept);
    std::string where = (folder ? "That folder" : "It") +
                        std::string(" is left as it is, and the gamblers of this run are ") +
                        saved + (beside ? " " + kept + "." : "\n" + kept);
    if (folder)
        where += "\nMake that folder again and put the file in it as " +
                 TJorpFileName(Keeper->GetPath()).GetNameExt() + " to play them at the next start.";
    Box("The gamblers cannot be loaded: the save file\n" + SaveName() + "\n" + why + ".\n\n" +
        where);
}

void TSaveTeller::TellLastRunKept(const std::string& kept) {
    const std::string name = Keeper->DisplayName(kept);
    LogError("the gamblers of the last run are not in the save file " + SaveName() + " but in " +
             name);
    Box("Last Run Saved Under Another Name\nThe gamblers of the last run are not in the save "
        "file\n" +
        SaveName() + "\nbut in\n" + name +
        "\nTo play them, end the game and put that file in the save's place as " +
        TJorpFileName(Keeper->GetPath()).GetNameExt() + ".");
}

void TSaveTeller::TellNotFound() {
    LogError("the save file " + SaveName() + " was not found");
    Box("Save File Not Found");
}

void TSaveTeller::TellCreating() {
    LogError("a new save file is made: " + SaveName());
    Box("Creating New Save File");
}

void TSaveTeller::TellCreateFailed(const TSaveResult& result) {
    const auto [name, what] = LogWriteFailure(result);
    Box("Create New Save File Failed\n" + name + "\n" + what + "." + NothingSaved);
}

void TSaveTeller::TellImageNotMade() {
    LogError("the new save file could not be made: " + SaveName());
    Box("Writing to New Save File Failed");
}

void TSaveTeller::TellReadFailed(const std::string& step) {
    LogError("the save file " + SaveName() + ": " + step);
    Box(step);
}

void TSaveTeller::TellWriteRefused(const std::string& step) {
    Box(step);
}

std::string TSaveTeller::UnreadWhy(int error) const {
    // What stands there is said as the settings say it: no reason of the system's names it.
    const THostPathKind kind = Keeper->GetHost().Kind(Keeper->GetPath());
    return kind == THostPathKind::Directory || kind == THostPathKind::Other
               ? std::string("is ") + DescribeHostPathKind(kind)
               : std::string("cannot be read (") + std::strerror(error != 0 ? error : EIO) + ")";
}

void TSaveTeller::TellUnreadable(int error) {
    const std::string why = UnreadWhy(error);
    const std::string path = SaveName();
    LogError("the gamblers cannot be loaded: the save file " + path + " " + why +
             "; nothing will be saved until the game is started again");
    Box("The gamblers cannot be loaded: the save file\n" + path + "\n" + why + "." + NothingSaved);
}
