// TSkitCell: one sprite start of a skit's table: which object's sprite, and for how long.
#pragma once

#include "engine/foundation/JorpCell.h"

#include <string>

class TGObjSk;

// The sprite is addressed by the object's index in the mode's game-object list and the
// sprite's index in that object's sprite list; 0xFFFF names none, and a start or test for
// none is refused by the mode window. The names are kept for editing only.
class TSkitCell : public TJorpCell {
public:
    static constexpr u16 NONE = 0xFFFF;

    TSkitCell(TJorpOwner* owner, TGObjSk* gameObject);
    ~TSkitCell() override;

    void Play(u32 frame) override;
    void Start() override;
    void Acquire(u32 frame) override;
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    void SetMajorVersion() override;
    // The argument is the frame (a const u32*) at which the sprite would start.
    bool Visit(void* argument) override;

    const std::string& GetObjectName() const { return ObjectName; }
    const std::string& GetSpriteName() const { return SpriteName; }
    u16 GetObjectIndex() const { return ObjectIndex; }
    u16 GetSpriteIndex() const { return SpriteIndex; }
    void SetObjectName(const std::string& name) { ObjectName = name; }
    void SetSpriteName(const std::string& name) { SpriteName = name; }
    void SetObjectIndex(u16 index) { ObjectIndex = index; }
    void SetSpriteIndex(u16 index) { SpriteIndex = index; }
    void SetDuration(u32 frames) { Duration = frames; }
    TGObjSk* GetGameObject() const { return GameObject; }

private:
    std::string ObjectName;
    std::string SpriteName;
    TGObjSk* GameObject;
    u16 ObjectIndex = NONE;
    u16 SpriteIndex = NONE;
};
