// TRunEnd: how near its end the run is, kept in one place for everything that words a failure
// met then (the save's teller, the settings file).
#pragma once

class TRunEnd {
public:
    // Still playing; ending (the player chose to end and the save was tried, or the program is
    // going); or ending after the player chose to end without the run when its save failed.
    enum class TStage { Playing, Ending, EndingUnsaved };

    TStage GetStage() const { return Stage; }
    // A quit signal is ending the program: nobody may be there to answer a box.
    static bool Quitting();
    // Ending by the player's choice, by the program going, or by a quit signal.
    bool IsEnding() const { return Stage != TStage::Playing || Quitting(); }
    // The player chose to end without the run (or a quit signal ended the question).
    bool EndsUnsaved() const { return Stage == TStage::EndingUnsaved; }
    // The run's last save is being made, as its gamblers' manager goes: a failure then is the
    // end's, and a run it leaves saved nowhere is told once more.
    bool IsLastSave() const { return LastSave; }

    // The run is ending, unless it was already known to.
    void NoteEnding();
    // The player chose to end without the run.
    void ChooseEndUnsaved() { Stage = TStage::EndingUnsaved; }
    // The player went back to the table from the question before the end: the run is where it
    // stood before he asked to end, and what fails from now on is worded so.
    void GoBack(TStage before) { Stage = before; }
    void NoteLastSave();
    // A new run starts playing.
    void Restart();

private:
    TStage Stage = TStage::Playing;
    bool LastSave = false;
};
