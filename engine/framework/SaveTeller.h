// TSaveTeller: what the player is told of the save file's writes, in boxes and on the error
// output, and what he has been told already.
#pragma once

#include "engine/framework/SaveResult.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TSaveKeeper;

class TSaveTeller {
public:
    using TBox = std::function<void(const std::string&)>;
    // Boxes go to box; the keeper names the files.
    TSaveTeller(const TSaveKeeper& keeper, TBox box) : Keeper(&keeper), Box(std::move(box)) {}

    // Said on the error output, and in a box unless a quit signal is ending the program and
    // nobody may be there to answer it.
    void Tell(const std::string& line, const std::string& box);
    // A folder the save found under its temporary name and moved aside, said on the error
    // output.
    void SayTempFolderMoved(const std::string& keptAs);
    // A write got through: what went wrong before is over, and a new failure is worth a box
    // again. A folder sync that failed is said, not boxed: nothing the player can do about
    // it, and the file holds what it should.
    void NoteWritten(const TSaveResult& result);
    // A save that found the file changed, removed or taken by what is no file, told once.
    void TellMoved(const TSaveResult& result);
    // The file named in a failure's message and what went wrong with it.
    std::pair<std::string, std::string> Describe(const TSaveResult& result) const;
    // The same, said on the error output.
    std::pair<std::string, std::string> LogWriteFailure(const TSaveResult& result);
    // The failure: its reason on the error output, and in a box under the heading with the
    // file and what went wrong with it, unless a box has told the same failure since a write
    // last got through. Leaving, it is boxed unless the box of that same failure was the last
    // one shown, and its line is not said again when it was the last one said and no box goes
    // with it. After a quit signal nothing is boxed: the program is ending, and nobody may be
    // there to answer. When every kept name is taken, both say that the run's gamblers were
    // not saved and what the player can do.
    void ReportWriteFailure(const TSaveResult& result, const std::string& heading, bool leaving);

private:
    // A failure's line on the error output, every failure in one form; with unlessRepeated,
    // not when it is the line said last.
    void SayWriteFailure(const std::string& name, const std::string& what,
                         const std::string& advice = std::string(), bool unlessRepeated = false);

    const TSaveKeeper* Keeper;
    TBox Box;
    // Every failure (file and what went wrong) told in a box since a write last got through,
    // and whether the last failure reported was boxed.
    std::vector<std::string> ToldWriteFailures;
    bool LastFailureBoxed = false;
    // The last failure's line on the error output since a write last got through.
    std::string LastSaidFailure;
};
