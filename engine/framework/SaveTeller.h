// TSaveTeller: what the player is told of the save file's writes, in boxes and on the error
// output, and what he has been told already.
#pragma once

#include "engine/framework/RunEnd.h"
#include "engine/framework/SaveResult.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TSaveKeeper;

class TSaveTeller {
public:
    using TBox = std::function<void(const std::string&)>;
    // A question with Yes and No; true for Yes.
    using TAsk = std::function<bool(const std::string&)>;
    // Boxes go to box; the keeper names the files; how near its end the run is comes from
    // runEnd, which the player's choice in the question before the end is written to.
    TSaveTeller(const TSaveKeeper& keeper, TRunEnd& runEnd, TBox box)
        : Keeper(&keeper), RunEnd(&runEnd), Box(std::move(box)) {}
    void SetRunEnd(TRunEnd& runEnd) { RunEnd = &runEnd; }

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
    // A save that found the file changed, removed or taken by what is no file, told once; and
    // a save that put the run back in its own place, leaving the kept file it was saved in.
    void TellMoved(const TSaveResult& result);
    // The file named in a failure's message and what went wrong with it.
    std::pair<std::string, std::string> Describe(const TSaveResult& result) const;
    // The same, said on the error output.
    std::pair<std::string, std::string> LogWriteFailure(const TSaveResult& result);
    // The failure: its reason on the error output unless it was the line said last, and in a
    // box under the heading with the file and what went wrong with it, unless a box has told
    // the same failure since a write last got through. A save that is gone and could not be
    // written again is boxed once more by the run's last save. After a quit signal
    // nothing is boxed: the program is ending, and nobody may be there to answer; the line
    // then says that the run was not saved. When every kept name is taken, or the save is
    // gone, both say what the player can do so that the game can save the run.
    void ReportWriteFailure(const TSaveResult& result, const std::string& heading);
    // The failure of the save tried before the game ends, put to the player as a question:
    // end without the run (true, noted in the run's end and said on the error output), or go
    // back to the table and set it right (false). After a quit signal nobody is asked, and the
    // game ends. Once the player has chosen to end, what the leaving's saves meet is said on
    // the error output as the end's failure, not boxed.
    bool AskToEndUnsaved(const TSaveResult& result, const std::string& heading, const TAsk& ask);
    // The load's words (SaveTellerLoad.cpp). The gamblers left out of a damaged file, on the
    // error output.
    void SayLeftOut(const std::vector<std::string>& leftOut);
    // A damaged file kept under the name given, with the number of gamblers carried into its
    // replacement and the names of those left out.
    void TellDamagedKept(const std::string& kept, size_t recovered,
                         const std::vector<std::string>& leftOut);
    // A damaged file that stays where it was, for the failure in the result: the gamblers
    // recovered play from memory.
    void TellDamagedNotKept(const TSaveResult& result, size_t recovered,
                            const std::vector<std::string>& leftOut);
    // A damaged file that stays where it was since its folder takes no new file: the gamblers
    // recovered are saved instead where the result says.
    void TellDamagedSavedInstead(const TSaveResult& result, size_t recovered,
                                 const std::vector<std::string>& leftOut);
    // A save the start could not read for error, left as it is, and the run saved beside it or
    // in the folder above, as the result says.
    void TellUnreadSaved(const TSaveResult& result, int error);
    // The last run's gamblers are not in the save but in the kept file at the path.
    void TellLastRunKept(const std::string& kept);
    void TellNotFound();
    // Told before a missing file is written, and after a damaged one was set aside.
    void TellCreating();
    void TellCreateFailed(const TSaveResult& result);
    // The image of a fresh file could not be made.
    void TellImageNotMade();
    // The step of a read of the file that failed, on the error output and in a box.
    void TellReadFailed(const std::string& step);
    // The step of a write refused before anything was written.
    void TellWriteRefused(const std::string& step);
    // One box: the file, the system's reason (or what stands in its place), and that nothing
    // is saved this run.
    void TellUnreadable(int error);

private:
    // The save as the player knows it.
    std::string SaveName() const;
    // What stands in the save's place that could not be read for error, as the start says it.
    std::string UnreadWhy(int error) const;
    // The parts of TellMoved.
    void TellOtherLeft(const TSaveResult& result);
    void TellBeside(const TSaveResult& result);
    void TellOutside(const TSaveResult& result);
    // When a failure is told: at a save point, in the question before the end, or as the
    // game ends.
    enum class TWhen { Playing, Asking, Ending };
    // A failure's line on the error output, every failure in one form; with unlessRepeated,
    // not when it is the line said last.
    void SayWriteFailure(const std::string& name, const std::string& what,
                         const std::string& advice = std::string(), bool unlessRepeated = false);
    // What the player can do about the failure, and what became of the run; empty when the
    // last save still stands and the failure says all.
    std::string Advice(const TSaveResult& result, TWhen when) const;
    // The heading, the file, what went wrong and the advice, as a box shows them.
    static std::string BoxText(const std::string& heading, const std::string& failure,
                               const std::string& advice);

    const TSaveKeeper* Keeper;
    TRunEnd* RunEnd;
    TBox Box;
    // Every failure (file and what went wrong) told in a box since a write last got through.
    std::vector<std::string> ToldWriteFailures;
    // The last failure's line on the error output since a write last got through.
    std::string LastSaidFailure;
};
