// The program's compiled-in resources and the call that registers them with the framework.
#pragma once

#include "platform/host/Types.h"

// Command ids that carry names in the program.
constexpr u32 CM_HELP = 125;
constexpr u32 CM_SPEEDCONTROL = 126;

// Casino commands
constexpr u32 CM_PLAYERMGR = 200;
constexpr u32 CM_EXITGAME = 201;
constexpr u32 CM_SOUND = 1010;
constexpr u32 CM_MUSIC = 1011;
constexpr u32 CM_INSTRUCTIONMODE = 1020;
constexpr u32 CM_GAMELORDCOMMAND = 1021;
constexpr u32 CM_STATISTICS = 1022;
constexpr u32 CM_HELPCONTENTS = 1030;
constexpr u32 CM_ABOUT = 1031;
constexpr u32 CM_SHOWINTRO = 1040;
constexpr u32 CM_CREDITS = 1050;
// The casino's menu bar and the string that names its game file.
constexpr u32 IDM_CASINO = 5;
constexpr u32 IDS_CASINO_GAME = 10000;

// Craps program commands and its intro's menu bar.
constexpr u32 CM_GOTOCRAPS = 230;
constexpr u32 CM_BETOPTIONS = 400;
constexpr u32 CM_VIEWCREDITS = 1000;
constexpr u32 IDM_INTRO = 13;
// The mode-file strings of the craps table and the intro.
constexpr u32 IDS_CRAPS_MODE = 10003;
constexpr u32 IDS_INTRO_MODE = 10067;

// Dialog templates of the engine.
constexpr u32 IDD_EXPERT = 5;
constexpr u32 IDD_WARNING = 7;
constexpr u32 IDD_GAUGE = 50;
constexpr u32 IDD_SCROLLMSG = 52;
constexpr u32 IDD_DETAILLEVEL = 1000;
constexpr u32 IDD_BITMAP = 2001;
constexpr u32 IDD_SILENTGAUGE = 2002;

// Makes every table of this library known to the framework's modules. Called once at
// start by the program (and by tests); calling it again changes nothing.
void RegisterResources();

// One registration per kind of table.
void RegisterStringTables();
void RegisterMenus();
void RegisterAcceleratorTables();
void RegisterDialogs();
void RegisterResourceImages();
// The data set's file names (part of the string tables).
void RegisterDataFileStrings();

// Gambler dialogs: the list, the delete confirmation, the new gambler and the message, with
// their string table (200 to 210).
constexpr u32 IDD_GAMBLER = 500;
constexpr u32 IDD_GAMBLERDELETE = 501;
constexpr u32 IDD_GAMBLERCREATE = 502;
constexpr u32 IDD_GAMBLERMSG = 503;
void RegisterGamblerResources();

// The craps advisor's texts and the betting-options dialog.
constexpr u32 IDS_ADVICE_GENERAL = 5600;
constexpr u32 IDS_ADVICE_BADBET = 5800;
constexpr u32 IDS_ADVICE_ODDS = 5854;
constexpr u32 IDD_BETOPTIONS = 2000;
void RegisterAdviceStrings();
void RegisterBetOptionsResources();

// The statistics table and the graph. The table's cell window is 17 rows by 6 columns of
// statics, cell (r, c) numbered IDC_STATCELL + IDC_STATCOLUMNS * r + c.
constexpr u32 IDD_STATS = 1322;
constexpr u32 IDD_GRAPH = 145;
constexpr int IDC_STATCELL = 10000;
constexpr int IDC_STATROWS = 17;
constexpr int IDC_STATCOLUMNS = 6;
void RegisterStatDialogs();

// The statistics table's row labels: 560 + the row's id (561 to 698).
constexpr u32 IDS_STAT_LABEL = 560;
void RegisterStatStrings();
