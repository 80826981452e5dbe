// TSpriteCell: the cell body of each version, and the member a cell gives its sprite.
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/media/Anm.h"
#include "engine/media/Sound.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteTable.h"

TSpriteCell::TSpriteCell() : TJorpCell() {}

TSpriteCell::TSpriteCell(TJorpOwner* owner, const TFileMode& mode) : TJorpCell(owner, 0, mode) {}

TSpriteCell::TSpriteCell(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite)
    : TJorpCell(owner, 0, mode), Sprite(sprite) {}

TSpriteCell::~TSpriteCell() = default;

bool TSpriteCell::ReadBody() {
    if (HeaderMajor == 1 && HeaderMinor == 2)
        return ReadOld();
    if (HeaderMajor == 2 && (HeaderMinor == 0 || HeaderMinor == 3 || HeaderMinor == 4))
        return ReadNew(HeaderMinor);
    return false;
}

bool TSpriteCell::ReadOld() {
    std::string name;
    u16 kind = 0;
    u16 forward = 0;
    u16 draw = 0;
    if (!ReadName9(name) || !ReadU32(Duration) || !ReadU16(kind) || !ReadU16(forward) ||
        !ReadU16(draw) || !ReadI16(X) || !ReadI16(Y) || !ReadI16(Z))
        return false;
    Kind = kind != 0 ? 1 : 0;
    Direction = forward != 0 ? 1 : -1;
    DrawFlag = draw != 0 ? 1 : 0;
    // Old cells name the member alone; its directory is the one the cell's file points at.
    TJorpFileMgr* manager = TEngineContext::FileMgr;
    const std::string directory =
        manager != nullptr ? manager->GetData().GetEntry(static_cast<i8>(FileMode.DataLocation))
                           : std::string();
    Name = directory + name + (Kind != 0 ? ".anm" : ".wav");
    return true;
}

bool TSpriteCell::ReadNew(u16 minor) {
    u16 kind = 0;
    i16 direction = 0;
    u16 draw = 0;
    if (!ReadString(Name) || !ReadU32(Duration) || !ReadU16(kind) || !ReadI16(direction) ||
        !ReadU16(draw) || !ReadI16(X) || !ReadI16(Y) || !ReadI16(Z))
        return false;
    Kind = kind != 0 ? 1 : 0;
    // 2.0 stored a forward flag where later versions store the direction itself.
    Direction = minor == 0 ? (direction != 0 ? 1 : -1) : direction;
    DrawFlag = draw != 0 ? 1 : 0;
    return minor < 4 || ReadI16(FirstFrame);
}

bool TSpriteCell::WriteBody() {
    return WriteString(Name) && WriteU32(Duration) && WriteU16(Kind != 0 ? 1 : 0) &&
           WriteI16(static_cast<i16>(Direction)) && WriteU16(DrawFlag != 0 ? 1 : 0) &&
           WriteI16(X) && WriteI16(Y) && WriteI16(Z) && WriteI16(FirstFrame);
}

void TSpriteCell::LoadObject(u16 startDelay) {
    AddToSprite(static_cast<i16>(startDelay));
}

void TSpriteCell::ClearName() {
    Kind = 1;
    Id = 0;
    Duration = 0;
    Direction = 1;
    DrawFlag = 0;
    X = 0;
    Y = 0;
    Z = 0;
    FirstFrame = 0;
    TJorpCell::ClearName();
}

TSpriteCell& TSpriteCell::Assign(const TSpriteCell& other) {
    if (&other == this)
        return *this;
    FileMode = other.FileMode;
    Kind = other.Kind;
    Id = other.Id;
    Duration = other.Duration;
    Name = other.Name;
    Direction = other.Direction;
    DrawFlag = other.DrawFlag;
    X = other.X;
    Y = other.Y;
    Z = other.Z;
    FirstFrame = other.FirstFrame;
    return *this;
}

TFileMode TSpriteCell::MemberMode() const {
    return TFileMode(Name, 1, 1, 0, FileMode.DataLocation);
}

void TSpriteCell::AddToSprite(i16 startDelay) {
    if (Sprite == nullptr)
        return;
    if (Kind != 0)
        Sprite->AddAnm(MakeAnm(startDelay));
    else
        Sprite->AddWav(MakeWav(startDelay));
}

TAnm* TSpriteCell::MakeAnm(i16 startDelay) {
    if (Sprite == nullptr)
        return nullptr;
    TAnmData data(X, Y, Z, 0, 0xFFFF, 0, ANM_FORWARD, true, true, true);
    data.Direction = Direction;
    data.StartFrame = static_cast<u16>(FirstFrame);
    data.SetFlag(ANMD_ANCHOR_FROM_FILE, DrawFlag != 0);
    data.SetOffset(Sprite->GetPosition());
    TAnm* anm = Sprite->NewAnm(MemberMode(), data);
    if (anm != nullptr) {
        anm->Duration = Duration;
        anm->StartDelay = startDelay;
    }
    return anm;
}

TWav* TSpriteCell::MakeWav(i16 startDelay) {
    if (Sprite == nullptr)
        return nullptr;
    // Only the low 16 bits of the duration reach the wave, as a signed number.
    TWav* wav = Sprite->NewWav(MemberMode(), static_cast<i16>(Duration & 0xFFFF));
    if (wav != nullptr)
        wav->StartDelay = startDelay;
    return wav;
}
