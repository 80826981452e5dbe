// The data set's engine objects written through the engine's own writers, each as its own file
// in the settings' CD location.
#pragma once

#include "tools/databuild/DataSet.h"

// Each writes one file; a writer that fails ends the process with the engine's fatal report.
void WriteGameFile(const TGameModel& game);
void WriteModeFile(const TModeModel& mode);
void WriteMiscDataFile(const TMiscDataModel& data);
// The list and each object's own ".go" file.
void WriteGameObjectListFile(const TGameObjectListModel& list);
// The list and every sprite in it, embedded, in name order; never a loose sprite file.
void WriteSpriteListFile(const TSpriteListModel& list);
