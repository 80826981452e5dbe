// A data set for start-up tests, written with the engine's own writers into c:\data\: the
// game file and a raw palette packed into otcraps.dew and listed in otcraps.det.
#pragma once

#include "engine/foundation/Det.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/GameFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

struct TFixtureDataSet {
    std::vector<std::string> Modes{"f1craps.m", "s4intro.m"};
    std::string Palette = "casino.pal";
    // Bytes stored for the game file instead of the written one (a damaged file).
    std::string GameBytes;
    // The palette's bytes; a grey ramp when empty.
    std::string PaletteBytes;
    bool WithCatalogue = true;
    bool WithGame = true;
    bool WithPalette = true;
};

// A palette of 256 entries, B, G, R, 0 each: a grey ramp.
inline std::string RawPalette() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += std::string{static_cast<char>(i), static_cast<char>(i), static_cast<char>(i), 0};
    return bytes;
}

// False when a writer failed.
[[nodiscard]] inline bool WriteFixtureDataSet(const TTempDir& dir,
                                              const TFixtureDataSet& set = {}) {
    // The engine writes objects to the settings' CD location: here the data folder.
    TJorpIniFile writing("c:", "\\", "otcraps", "fixture.ini", true);
    writing.SetCDDrive("c:");
    writing.SetCDDir("\\data");
    TJorpIniFile* saved = TEngineContext::Settings;
    TEngineContext::Settings = &writing;
    std::filesystem::create_directories(dir.Host("data"));
    bool ok = true;

    std::string game = set.GameBytes;
    if (game.empty()) {
        TJorpGame written;
        written.SetFileName("casino");
        written.SetPaletteName(set.Palette);
        for (const std::string& mode : set.Modes)
            written.AddMode(mode);
        ok = written.Save(nullptr) && ok;
        game = dir.ReadHostFile("data/casino.g");
        std::filesystem::remove(dir.Host("data/casino.g"));
    }
    const std::string palette = set.PaletteBytes.empty() ? RawPalette() : set.PaletteBytes;
    std::string pack;
    TDet catalogue(0, TFileMode(TJorpFileName("otcraps.det"), 0, 0));
    catalogue.MakeRoot();
    if (set.WithGame) {
        ok = catalogue.AddFile("casino.g", static_cast<u32>(game.size()), 0) != nullptr && ok;
        pack += game;
    }
    if (set.WithPalette) {
        ok = catalogue.AddFile(set.Palette, static_cast<u32>(palette.size()),
                               static_cast<u32>(pack.size())) != nullptr &&
             ok;
        pack += palette;
    }
    if (set.WithCatalogue) {
        ok = catalogue.Save(nullptr) && ok;
        dir.WriteHostFile("data/otcraps.dew", pack);
    }
    TEngineContext::Settings = saved;
    return ok;
}
