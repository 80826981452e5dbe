// The program's compiled-in resources and the call that registers them with the framework.
#pragma once

#include "platform/host/Types.h"

// Command ids that carry names in the program.
constexpr u32 CM_HELP = 125;
constexpr u32 CM_SPEEDCONTROL = 126;

// Makes every table of this library known to the framework's modules. Called once at
// start by the program (and by tests); calling it again changes nothing.
void RegisterResources();

// One registration per kind of table.
void RegisterStringTables();
void RegisterMenus();
void RegisterAcceleratorTables();
