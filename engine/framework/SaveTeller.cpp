// TSaveTeller: the words for each save's result, and each failure told once.
#include "SaveTeller.h"

#include "engine/framework/SaveKeeper.h"
#include "platform/host/Log.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

void TSaveTeller::Tell(const std::string& line, const std::string& box) {
    LogError(line);
    if (!TRunEnd::Quitting())
        Box(box);
}

void TSaveTeller::SayTempFolderMoved(const std::string& keptAs) {
    if (!keptAs.empty())
        LogError("a folder stood where the save is first written: " +
                 Keeper->DisplayName(Keeper->File().GetTempPath()) + " is kept as " + keptAs);
}

void TSaveTeller::NoteWritten(const TSaveResult& result) {
    ToldWriteFailures.clear();
    LastSaidFailure.clear();
    if (result.Unsynced != 0)
        LogError("the save is written, but its folder could not be synced, so a crash of the "
                 "system could still undo it: " +
                 Keeper->DisplayName(result.WrittenTo) + " (" + std::strerror(result.Unsynced) +
                 ")");
}

std::pair<std::string, std::string> TSaveTeller::Describe(const TSaveResult& result) const {
    const TSaveFile file = Keeper->File();
    const bool folder = result.Failure == TWriteFailure::FolderInTheWay;
    const std::string reason =
        result.AllKeptNamesTaken()
            ? (folder ? file.FolderKeptNames() : file.KeptNames()) + " are all taken"
            : std::strerror(result.Error != 0 ? result.Error : EIO);
    // The save is written under the temporary name first: only a folder standing there makes
    // that name the player's business.
    std::string name = Keeper->DisplayName(
        folder ? file.GetTempPath()
               : (result.WrittenTo.empty() ? file.GetPath() : result.WrittenTo));
    std::string what;
    switch (result.Failure) {
    case TWriteFailure::Write:
        what = "cannot be written (" + reason + ")";
        break;
    case TWriteFailure::FolderInTheWay:
        what = "is a folder where the save is first written, and it cannot be moved aside (" +
               reason + ")";
        break;
    case TWriteFailure::DamagedNotKept:
        what = "is damaged and cannot be set aside (" + reason + ")";
        break;
    case TWriteFailure::ChangedNotKept:
        what = "was changed by another program since the game last read or wrote it, and "
               "cannot be set aside (" +
               reason + ")";
        break;
    case TWriteFailure::AsideNotKept:
        what = (result.Folder.empty() ? "is "
                                      : "cannot be written: its folder " + result.Folder + " is ") +
               result.Standing +
               ", which is left as it is, and no name is free to save beside it (" + reason + ")";
        break;
    case TWriteFailure::Gone:
        what = (result.Folder.empty()
                    ? "is gone"
                    : "is gone: its folder " + result.Folder + " is " + result.Standing) +
               ", and it cannot be written again (" + reason + ")";
        break;
    }
    return {std::move(name), std::move(what)};
}

void TSaveTeller::SayWriteFailure(const std::string& name, const std::string& what,
                                  const std::string& advice, bool unlessRepeated) {
    const std::string line = "the save could not be written: " + name + " " + what +
                             (advice.empty() ? std::string() : "; " + advice);
    if (unlessRepeated && line == LastSaidFailure)
        return;
    LastSaidFailure = line;
    LogError(line);
}

std::pair<std::string, std::string> TSaveTeller::LogWriteFailure(const TSaveResult& result) {
    auto words = Describe(result);
    // Said before any box: the box waits for the player, and the reason belongs beside it.
    SayWriteFailure(words.first, words.second);
    return words;
}

std::string TSaveTeller::Advice(const TSaveResult& result, TWhen when) const {
    // The names stay taken until the player clears some: nothing of this run is on the disk
    // until then.
    if (result.AllKeptNamesTaken())
        return "the gamblers of this run were not saved: move some of those elsewhere so that "
               "the game can save them";
    if (result.Failure == TWriteFailure::Gone) {
        if (when == TWhen::Ending)
            return "the game ends, and the gamblers of this run are saved nowhere";
        const std::string folder = result.Folder.empty()
                                       ? "make the folder " +
                                             Keeper->GetHost().FolderName(Keeper->GetPath()) +
                                             " one the game can write in"
                                       : "put a folder the game can write in at " + result.Folder;
        // Kept files the player can move away free a name as well as mending the place does.
        const std::string remedy =
            (result.Error == ENOSPC || result.Error == EDQUOT ? "free some space on the disk"
                                                              : folder) +
            (result.OutsideTaken.empty() ? std::string()
                                         : ", or move some of " + Keeper->File().KeptNames() +
                                               " in " + result.OutsideTaken + " elsewhere,");
        const std::string nowhere = "the gamblers of this run are saved nowhere yet: " + remedy +
                                    " so that the game can save them";
        // Asked at the end, the player's answer is the next try.
        return when == TWhen::Asking ? nowhere
                                     : nowhere + "; it tries again at the next save point and "
                                                 "when the game ends";
    }
    // The last save stands, but nothing of this run after it.
    if (when == TWhen::Ending && TRunEnd::Quitting())
        return "the game ends on a quit signal, and this run was not saved";
    return std::string();
}

std::string TSaveTeller::BoxText(const std::string& heading, const std::string& failure,
                                 const std::string& advice) {
    std::string text = heading + "\n" + failure + ".";
    if (!advice.empty()) {
        // Appended piece by piece: the optimizer misreads a sum of temporaries here as an
        // overlapping copy.
        std::string sentence = advice;
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        text += '\n';
        text += sentence;
        text += '.';
    }
    return text;
}

void TSaveTeller::ReportWriteFailure(const TSaveResult& result, const std::string& heading) {
    const auto [name, what] = Describe(result);
    const bool quitting = TRunEnd::Quitting();
    const bool leaving = RunEnd->IsLastSave();
    const bool endChosen = RunEnd->EndsUnsaved();
    const std::string advice =
        Advice(result, leaving || quitting || endChosen ? TWhen::Ending : TWhen::Playing);
    const std::string failure = name + "\n" + what;
    const bool told = std::find(ToldWriteFailures.begin(), ToldWriteFailures.end(), failure) !=
                      ToldWriteFailures.end();
    // Told once a cause: the player has seen it, and the exit's saves meet it again. A run
    // that is saved nowhere is told once more as the game ends without it, unless the player
    // chose that end in the question before it.
    const bool gone = result.Failure == TWriteFailure::Gone;
    const bool box = !quitting && !endChosen && (!told || (leaving && gone));
    // Said before any box: the box waits for the player, and the reason belongs beside it.
    SayWriteFailure(name, what, advice, true);
    // A session's end holds its stop while a box waits; the error output has said it all.
    if (!box)
        return;
    if (!told)
        ToldWriteFailures.push_back(failure);
    Box(BoxText(heading, failure, advice));
}

bool TSaveTeller::AskToEndUnsaved(const TSaveResult& result, const std::string& heading,
                                  const TAsk& ask) {
    if (TRunEnd::Quitting()) {
        RunEnd->NoteLastSave();
        ReportWriteFailure(result, heading);
        return true;
    }
    const auto [name, what] = Describe(result);
    const std::string advice = Advice(result, TWhen::Asking);
    const std::string failure = name + "\n" + what;
    SayWriteFailure(name, what, advice, true);
    // Asked every time: the answer is a choice, not news. The failure itself is news no more.
    if (std::find(ToldWriteFailures.begin(), ToldWriteFailures.end(), failure) ==
        ToldWriteFailures.end())
        ToldWriteFailures.push_back(failure);
    const bool yes = ask(BoxText(heading, failure, advice) +
                         "\n\nEnd the game without saving? Choose No to go back to the table, "
                         "set this right and end the game again.");
    if (!yes && !TRunEnd::Quitting())
        return false;
    RunEnd->ChooseEndUnsaved();
    // The error output has said why the save failed; it says too what became of the run, as
    // a quit signal's end does.
    if (yes)
        LogError("the game ends without saving, as the player chose, and this run was not saved");
    return true;
}
