// TJorpGame: the game file (".g"): the palette every screen uses and the sorted list of modes.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <string>
#include <vector>

// Mode number n is the n-th name of the sorted list. Reads versions 1.x (fixed 9-byte names
// without extensions), 2.0 and 2.3; always writes 2.3. Final: its loading constructor
// attaches the file itself, which reaches the right reader only while no class derives
// from it.
class TJorpGame final : public TJorpBase {
public:
    TJorpGame();
    // Loads the named game file at once; an empty name makes an empty game.
    explicit TJorpGame(const std::string& name);
    ~TJorpGame() override;

    bool ReadBody() override;
    bool WriteBody() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    void SetMinorVersion() override;
    const char* GetHeaderId() const override;

    // Case-sensitive; -1 when no mode has that name.
    i16 GetModeIndex(const std::string& name) const;
    // Empty for a number outside the list.
    std::string GetModeName(i16 n) const;
    bool RemoveMode(const std::string& name);
    void SetFileName(const std::string& name);
    // For the writers: the palette's file name, and a mode put into its sorted place (after
    // any equal names).
    void SetPaletteName(const std::string& name) { PaletteName = name; }
    void AddMode(const std::string& name);

    const std::string& GetPaletteName() const { return PaletteName; }
    i16 GetModeCount() const { return static_cast<i16>(Modes.size()); }

private:
    bool ReadVersion1(std::string& palette, std::vector<std::string>& modes);
    bool ReadVersion2(std::string& palette, std::vector<std::string>& modes);

    std::string PaletteName;
    std::vector<std::string> Modes;
};
