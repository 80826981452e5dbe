// TPal, TVideoPal and TVideoWinGPal: a mode's ".pal" colours and the surface's identity palette.
#pragma once

#include "engine/media/Gr.h"
#include "engine/media/PaletteTables.h"

#include <memory>

// A ".pal" file has no header: four bytes (blue, green, red, 0) per colour, as many colours as
// whole groups of four fit in the file.
class TPal : public TGr {
public:
    TPal() : TPal(nullptr) {}
    explicit TPal(TJorpOwner* owner);
    TPal(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep);
    // Colour table, logical and identity palettes copied; a handle made when the source had one.
    TPal(const TPal& source, TJorpOwner* owner);
    TPal(const TPal& source) : TPal(source, source.GetOwner()) {}
    TPal(const RGBQUAD* colours, i16 count, TJorpOwner* owner = nullptr);
    ~TPal() override;

    bool ReadBody() override;
    bool WriteBody() override { return true; }
    bool ReadHeader() override;
    bool WriteHeader() override { return true; }
    std::string GetExtension() const override { return ".pal"; }

    bool BuildLogicalPalette();
    // The identity palette of the logical one; the colour table then holds its colours.
    bool BuildIdentityPalette();
    // The system palette object, from the identity palette when there is one.
    bool CreateHandle();
    void DeleteColourTable() { ColourTable.reset(); }
    void DeleteLogicalPalette() { Logical.reset(); }
    void DeleteIdentityPalette() { Identity.reset(); }
    bool DeleteHandle();
    bool SetOwner(TJorpOwner* owner);

    // Clears the system palette by realising an all-black one in the foreground.
    static bool ClearSystemPalette();

    HPALETTE GetHandle() const { return Handle; }
    const TRGBQuadPalette* GetColourTable() const { return ColourTable.get(); }
    const TLogicalPalette* GetLogicalPalette() const { return Logical.get(); }
    const TIdentityPalette* GetIdentityPalette() const { return Identity.get(); }

protected:
    // Keeps at most the first count colours of every table.
    void LimitTo(i16 count);

private:
    HPALETTE Handle = nullptr;
    std::unique_ptr<TLogicalPalette> Logical;
    std::unique_ptr<TIdentityPalette> Identity;
    std::unique_ptr<TRGBQuadPalette> ColourTable;
};

// The surface's palette: the mode's colours with the system's statics, realised as a handle.
// The surface takes at most 256 colours.
class TVideoPal : public TPal {
public:
    explicit TVideoPal(const TPal& source) : TVideoPal(source, source.GetOwner()) {}
    TVideoPal(const TPal& source, TJorpOwner* owner);
};

class TVideoWinGPal : public TVideoPal {
public:
    explicit TVideoWinGPal(const TPal& source) : TVideoPal(source) {}
    TVideoWinGPal(const TPal& source, TJorpOwner* owner) : TVideoPal(source, owner) {}
};
