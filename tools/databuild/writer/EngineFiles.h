// The data set's engine objects written through the engine's own writers, each as its own file
// in the settings' CD location.
#pragma once

#include "tools/databuild/model/DataSet.h"

// Each writes one file; a writer that fails ends the process with the engine's fatal report.
void WriteGameFile(const TGameModel& game);
void WriteModeFile(const TModeModel& mode);
void WriteMiscDataFile(const TMiscDataModel& data);
// The list and each object's own ".go" file.
void WriteGameObjectListFile(const TGameObjectListModel& list);
// The list and every sprite in it, embedded, in name order; never a loose sprite file.
void WriteSpriteListFile(const TSpriteListModel& list);
// Where a skit cell's names point: the object's place in the catalogue's object list and the
// sprite's in its sorted sprite list; 0xFFFF when the set does not hold the name.
u16 SkitObjectIndex(const TDataSet& set, const TSkitCatModel& catalogue, const std::string& object);
u16 SkitSpriteIndex(const TDataSet& set, const TSkitCatModel& catalogue, const std::string& sprite);
// The catalogue and each of its lists, the skits stored inside the lists; the cells' indices
// looked up in the set. Never a loose skit file.
void WriteSkitCatalogueFile(const TDataSet& set, const TSkitCatModel& catalogue);
