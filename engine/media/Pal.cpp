// Palettes: the ".pal" reader, the identity palette, the palette handle and the system reset.
#include "engine/media/Pal.h"

#include "engine/media/JorpDC.h"

#include <limits>

TPal::TPal(TJorpOwner* owner) : TGr(owner) {}

TPal::TPal(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep) : TGr(owner) {
    AttachFile(mode, load, keep);
}

TPal::TPal(const TPal& source, TJorpOwner* owner) : TGr(owner) {
    if (source.ColourTable)
        ColourTable = std::make_unique<TRGBQuadPalette>(*source.ColourTable);
    if (source.Logical)
        Logical = std::make_unique<TLogicalPalette>(*source.Logical);
    if (source.Identity)
        Identity = std::make_unique<TIdentityPalette>(*source.Identity);
    if (source.Handle != nullptr)
        CreateHandle();
}

TPal::TPal(const RGBQUAD* colours, i16 count, TJorpOwner* owner) : TGr(owner) {
    ColourTable = std::make_unique<TRGBQuadPalette>(colours, count);
    BuildLogicalPalette();
}

TPal::~TPal() {
    DeleteHandle();
}

bool TPal::ReadHeader() {
    HeaderMajor = 0;
    HeaderMinor = 0;
    return true;
}

bool TPal::ReadBody() {
    const TEmbeddedAddress at = GetReadPosition();
    // Trailing bytes that make no whole colour are ignored; so is anything past the largest
    // count a table can hold.
    const u32 count = std::min<u32>(at.Size / 4, std::numeric_limits<i16>::max());
    if (at.IsNull() || count == 0)
        return false;
    std::vector<RGBQUAD> colours(count);
    if (ReadBytes(colours.data(), count * 4) != count * 4)
        return false;
    ColourTable = std::make_unique<TRGBQuadPalette>(colours.data(), static_cast<i16>(count));
    return BuildLogicalPalette();
}

bool TPal::BuildLogicalPalette() {
    if (!ColourTable)
        return false;
    Logical = std::make_unique<TLogicalPalette>(*ColourTable);
    return true;
}

bool TPal::BuildIdentityPalette() {
    if (!Logical)
        return false;
    Identity = std::make_unique<TIdentityPalette>(*Logical);
    if (ColourTable)
        *ColourTable = *Identity;
    return true;
}

bool TPal::CreateHandle() {
    DeleteHandle();
    const TLogicalPalette* from = Identity ? Identity.get() : Logical.get();
    LOGPALETTE block;
    if (from == nullptr || !from->ToBlock(block))
        return false;
    Handle = CreatePalette(&block);
    return Handle != nullptr;
}

bool TPal::DeleteHandle() {
    if (Handle == nullptr)
        return true;
    const bool deleted = DeleteObject(Handle);
    Handle = nullptr;
    return deleted;
}

bool TPal::SetOwner(TJorpOwner* owner) {
    Owner = owner;
    return true;
}

void TPal::LimitTo(i16 count) {
    if (ColourTable)
        ColourTable->Truncate(count);
    if (Logical)
        Logical->Truncate(count);
    if (Identity)
        Identity->Truncate(count);
}

bool TPal::ClearSystemPalette() {
    TLogicalPalette black(PAL_FULL);
    black.SetAllFlags(PC_NOCOLLAPSE);
    LOGPALETTE block;
    black.ToBlock(block);
    const HPALETTE palette = CreatePalette(&block);
    if (palette == nullptr)
        return false;
    {
        TJorpScreenDC screen;
        const HPALETTE previous = ::SelectPalette(screen.GetHDC(), palette, false);
        RealizePalette(screen.GetHDC());
        if (previous != nullptr)
            ::SelectPalette(screen.GetHDC(), previous, false);
    }
    DeleteObject(palette);
    return true;
}

TVideoPal::TVideoPal(const TPal& source, TJorpOwner* owner) : TPal(source, owner) {
    LimitTo(PAL_FULL);
    BuildIdentityPalette();
    CreateHandle();
}
