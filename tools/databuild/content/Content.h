// The data set's content, one area per source file, each adding its files and objects to the set.
#pragma once

#include "tools/databuild/model/DataSet.h"

// Data-set folders of the two modes.
constexpr const char* TABLE_DIR = "\\f1glrd00\\";
constexpr const char* INTRO_DIR = "\\s4glrd00\\";

// The whole set: every area below, in this order (later areas use what earlier ones made).
TDataSet MakeDataSet();

// The game file, the palette, the two mode files, their game-object lists and the misc data.
void AddGameFiles(TDataSet& set);
// The table's background bitmap.
void AddTableBackground(TDataSet& set);
// The lord's sprite list, empty, for the table-object areas to fill.
void AddTableSpriteList(TDataSet& set);
void AddChipObjects(TDataSet& set);
void AddDisplays(TDataSet& set);
void AddButtons(TDataSet& set);
void AddDiceAndPuck(TDataSet& set);
void AddTableSounds(TDataSet& set);
void AddDealer(TDataSet& set);
void AddIntro(TDataSet& set);
// Every game object's skit catalogue; the table lord's lists play the dealer's skits.
void AddSkitCatalogues(TDataSet& set);

// How many chips a seat's pile and its odds pile may hold, with a buy marker on a bought number,
// and leave every spot's lettering in view.
constexpr i32 KEEP_CLEAR_CHIPS = 3;
// The pixels the three seats' piles, odds and markers on a spot cover when each holds that many.
std::vector<TBox> PileReach(int spot);
// The pixels the shooter's dice and the payout piles at the seats' places cover.
std::vector<TBox> SeatPlaceReach();
// The pixels the puck covers at its off place in the don't-come box.
TBox PuckOffReach();

// The lord's sprite list of the table.
TSpriteListModel& TableSprites(TDataSet& set);
// A file of the table's folder.
std::string TableFile(const std::string& name);
