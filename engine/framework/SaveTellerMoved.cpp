// TSaveTeller: the words for a save that found the file changed, removed or taken by what is no
// file, for the run saved under another name, and for the run back in the save's own place.
#include "SaveTeller.h"

#include "engine/foundation/FileName.h"
#include "engine/framework/SaveKeeper.h"

#include <cstring>

namespace {

// The kept file the run leaves as it goes back to the save's place, as the line on the error
// output and the box end.
std::pair<std::string, std::string> LeftBehindWords(const std::string& kept) {
    return {"; " + kept +
                ", where they were saved until now, is left as it is and will fall behind",
            "\n" + kept +
                "\nwhere they were saved until now, is left as it is and will fall behind: play "
                "them from the save file at the next start."};
}

} // namespace

void TSaveTeller::TellMoved(const TSaveResult& result) {
    const std::string name = Keeper->DisplayName(Keeper->GetPath());
    if (result.OtherLeft)
        return TellOtherLeft(result);
    const auto behind = result.LeftBehind.empty()
                            ? std::pair<std::string, std::string>()
                            : LeftBehindWords(Keeper->DisplayName(result.LeftBehind));
    switch (result.Way) {
    case TSaveResult::TWay::KeepingOld:
        Tell("the save was changed by another program since the game last read or wrote it: " +
                 name + " as it was changed is kept as " + result.Kept + behind.first,
             "Save File Changed by Another Program\n" + name +
                 "\nwas changed by another program since the game last read or wrote it.\nThat "
                 "version is kept as " +
                 result.Kept + ", and the gamblers of this run are saved in its place." +
                 behind.second);
        return;
    case TSaveResult::TWay::Rewritten: {
        // The player who removed it on purpose can remove it again once the game has ended.
        const std::string removed = result.FolderGone
                                        ? "had been removed with its folder while the game ran"
                                        : "had been removed while the game ran";
        Tell("the save " + removed + ": " + name +
                 " is written again with the gamblers of this run" + behind.first,
             "Save File Written Again\n" + name + "\n" + removed +
                 ".\nIt is written again with the gamblers of this run." + behind.second);
        return;
    }
    case TSaveResult::TWay::Beside:
        return TellBeside(result);
    case TSaveResult::TWay::Outside:
        return TellOutside(result);
    case TSaveResult::TWay::Over:
        if (!result.LeftBehind.empty())
            Tell("the save's place takes the run again: " + name +
                     " holds the gamblers of this run from now on" + behind.first,
                 "Save File Written in Its Place\n" + name +
                     "\ncan be written again, and the gamblers of this run are saved in it from "
                     "now on." +
                     behind.second);
        return;
    case TSaveResult::TWay::NotWritten:
        return;
    }
}

void TSaveTeller::TellOtherLeft(const TSaveResult& result) {
    const std::string name = Keeper->DisplayName(Keeper->GetPath());
    const std::string kept = Keeper->DisplayName(result.WrittenTo);
    // What the save's own place met, said as a failed save says it.
    TSaveResult refused = result;
    refused.Way = TSaveResult::TWay::NotWritten;
    refused.WrittenTo = Keeper->GetPath();
    const std::string what = Describe(refused).second;
    Tell("the save's place cannot take the run: " + name + " " + what +
             "; that version is left as it is, and the gamblers of this run are saved instead "
             "as " +
             kept,
         "Save File Changed by Another Program\n" + name + "\n" + what +
             ".\nThat version is left as it is, and the gamblers of this run are saved instead "
             "as\n" +
             kept + "\nPut that file in the save's place as " +
             TJorpFileName(Keeper->GetPath()).GetNameExt() + " to play them at the next start.");
}

void TSaveTeller::TellBeside(const TSaveResult& result) {
    const std::string name = Keeper->DisplayName(Keeper->GetPath());
    if (result.Unread != 0) {
        const std::string reason = std::strerror(result.Unread);
        Tell("the save cannot be read: " + name + " (" + reason +
                 "), left as it is; the gamblers of this run are saved beside it as " + result.Kept,
             "Save File Saved Under Another Name\n" + name + "\ncannot be read (" + reason +
                 "), and is left as it is.\nThe gamblers of this run are saved beside it as " +
                 result.Kept + "; put that file in its place to play them at the next start.");
        return;
    }
    Tell("something that is no file stands in the save's place: " + name + " is " +
             result.Standing + ", left as it is; the gamblers of this run are saved beside it as " +
             result.Kept,
         "Save File Saved Under Another Name\n" + name + "\nis " + result.Standing +
             ", which is left as it is.\nThe gamblers of this run are saved beside it as " +
             result.Kept + "; put that file in its place to play them at the next start.");
}

void TSaveTeller::TellOutside(const TSaveResult& result) {
    const std::string name = Keeper->DisplayName(Keeper->GetPath());
    const std::string kept = Keeper->DisplayName(result.WrittenTo);
    if (result.Instead) {
        // What the save's own place met, said as a failed save says it.
        TSaveResult refused = result;
        refused.Way = TSaveResult::TWay::NotWritten;
        refused.WrittenTo = Keeper->GetPath();
        refused.Instead = false;
        const std::string what = Describe(refused).second;
        Tell("the save's place cannot take the run: " + name + " " + what +
                 "; the gamblers of this run are saved instead as " + kept,
             "Save File Saved Under Another Name\n" + name + "\n" + what +
                 ".\nThe gamblers of this run are saved instead as\n" + kept +
                 "\nPut that file in the save's place as " +
                 TJorpFileName(Keeper->GetPath()).GetNameExt() +
                 " to play them at the next start.");
        return;
    }
    Tell("the save's folder cannot be used: " + result.Folder + " is " + result.Standing +
             ", left as it is; the gamblers of this run are saved beside it as " + kept,
         "Save File Saved Under Another Name\n" + name + "\ncannot be written: its folder " +
             result.Folder + " is " + result.Standing +
             ", which is left as it is.\nThe gamblers of this run are saved beside it as\n" + kept +
             "\nMake that folder again and put the file in it as " +
             TJorpFileName(Keeper->GetPath()).GetNameExt() + " to play them at the next start.");
}
