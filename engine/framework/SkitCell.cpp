// TSkitCell: its start through the mode window and the "Cell" body in its old and new forms.
#include "SkitCell.h"

#include "engine/framework/GObjSk.h"

namespace {

// An old 9-byte name is a bare name; the cell stores it as the file it names.
std::string WithExtension(const std::string& name, const char* extension) {
    if (name.empty())
        return name;
    TJorpFileName file(name);
    file.SetExtension(extension);
    return file.GetText();
}

} // namespace

TSkitCell::TSkitCell(TJorpOwner* owner, TGObjSk* gameObject)
    : TJorpCell(owner), GameObject(gameObject) {}

TSkitCell::~TSkitCell() = default;

void TSkitCell::Play(u32 frame) {
    Start();
    if (GameObject != nullptr)
        GameObject->UseModeSprite(static_cast<i16>(ObjectIndex), static_cast<i16>(SpriteIndex),
                                  frame);
}

void TSkitCell::Start() {
    TJorpBase::Start();
}

void TSkitCell::Acquire(u32 frame) {
    Play(frame);
}

void TSkitCell::Resolve() {}

bool TSkitCell::Visit(void* argument) {
    if (GameObject == nullptr || argument == nullptr)
        return false;
    return GameObject->CanActivateModeSprite(static_cast<i16>(ObjectIndex),
                                             static_cast<i16>(SpriteIndex),
                                             *static_cast<const u32*>(argument));
}

bool TSkitCell::ReadBody() {
    std::string object, sprite;
    u16 objectIndex = NONE;
    u16 spriteIndex = NONE;
    u32 duration = 0;
    if (HeaderMajor == 1) {
        if (!ReadName9(object) || !ReadName9(sprite))
            return false;
        object = WithExtension(object, ".go");
        sprite = WithExtension(sprite, ".sp");
        // Only 1.2 stored where the sprite is and how long it runs.
        if (HeaderMinor == 2 &&
            (!ReadU16(objectIndex) || !ReadU16(spriteIndex) || !ReadU32(duration)))
            return false;
    } else if (HeaderMajor == 2) {
        if (!ReadString(object) || !ReadString(sprite) || !ReadU16(objectIndex) ||
            !ReadU16(spriteIndex) || !ReadU32(duration))
            return false;
    } else {
        return false;
    }
    ObjectName = object;
    SpriteName = sprite;
    ObjectIndex = objectIndex;
    SpriteIndex = spriteIndex;
    Duration = duration;
    return true;
}

bool TSkitCell::WriteBody() {
    return WriteString(ObjectName) && WriteString(SpriteName) && WriteU16(ObjectIndex) &&
           WriteU16(SpriteIndex) && WriteU32(Duration);
}

void TSkitCell::SetMajorVersion() {
    HeaderMajor = 2;
}
