// TRunEnd: the run's stage, and the quit signal that ends it from outside.
#include "RunEnd.h"

#include "platform/framework/window/Desktop.h"

bool TRunEnd::Quitting() {
    return TDesktop::QuitAsked();
}

void TRunEnd::NoteEnding() {
    if (Stage == TStage::Playing)
        Stage = TStage::Ending;
}

void TRunEnd::NoteLastSave() {
    NoteEnding();
    LastSave = true;
}

void TRunEnd::Restart() {
    Stage = TStage::Playing;
    LastSave = false;
}
