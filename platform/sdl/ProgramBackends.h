// The backends the game offers: its real window first, the headless desktop second.
#pragma once

// Registers "sdl" then "headless" for PlatformMain, and the wave-mixing library the game
// loads by name; calling it again changes nothing.
void RegisterProgramBackends();
