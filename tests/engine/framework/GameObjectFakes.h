// Stand-ins for what game objects reach: a sprite maker whose lists and sprites note how they
// were asked for, a mode window that is only the face game objects see, game objects and a
// state that note their passes, and the bytes of hand-made ".go" files.
#pragma once

#include "ObjectBytes.h"

#include "engine/foundation/JorpListWAL.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/SpriteCreator.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/SpriteMaker.h"
#include "engine/framework/State.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

// One log for everything a test watches, in the order it happened.
inline std::vector<std::string>& ObjectLog() {
    static std::vector<std::string> log;
    return log;
}

inline std::string Levels(const TFileMode& file) {
    return file.Name.GetText() + " ram" + std::to_string(file.RamLevel) + " at" +
           std::to_string(file.DataLocation);
}

// A sprite: an engine object of the sprite extension that may start from a given frame on.
struct TFakeSprite : TJorpBase {
    TFakeSprite(TJorpOwner* owner, const TFileMode& file) : TJorpBase(owner, 0, file) {
        if (!FileMode.Name.IsEmpty())
            FileMode.Name.SetExtension(".sp");
    }
    std::string GetExtension() const override { return ".sp"; }
    u32 FreeFrom = 0;
};

// A sprite list of fake sprites; starts at the frames in RefusedKeys fail as if the set were
// full.
class TFakeSpriteList : public TJorpListWAL {
public:
    TFakeSpriteList(TJorpOwner* owner, const TFileMode& file) : TJorpListWAL(owner) {
        FileMode = file;
        AddActiveList("none");
    }
    bool CanActivate(TJorpBase* member, u32 key) override {
        const auto* sprite = dynamic_cast<TFakeSprite*>(member);
        return sprite != nullptr && key >= sprite->FreeFrom;
    }
    bool UseAt(i16 index, u32 key) override {
        Uses.push_back(key);
        return RefusedKeys.count(key) == 0 && TJorpListWAL::UseAt(index, key);
    }
    void FreeSetupData() override { ObjectLog().push_back("list free"); }
    void Acquire(u32 key) override { ObjectLog().push_back("list acquire " + std::to_string(key)); }
    void Release() override { ObjectLog().push_back("list release"); }
    void Resolve() override { ObjectLog().push_back("list resolve"); }
    bool SaveIfNeeded() override { return ObjectLog().push_back("list save"), true; }

    TFakeSprite* AddFake(const std::string& name, u32 duration, u32 freeFrom = 0) {
        auto* sprite = new TFakeSprite(Owner, TFileMode(TJorpFileName(name), 0, 0));
        sprite->Duration = duration;
        sprite->FreeFrom = freeFrom;
        Add(sprite);
        return sprite;
    }

    std::vector<u32> Uses;
    std::set<u32> RefusedKeys;
    i16 Set = -1;
    i16 State = -1;
};

// Installs itself for its life; notes every request in ObjectLog. A list named in MemberNames
// builds those members through its creator, as a sprite list file of old names would.
class TFakeSpriteMaker : public TSpriteMaker {
public:
    TFakeSpriteMaker() { TSpriteMaker::Install(this); }
    ~TFakeSpriteMaker() override { TSpriteMaker::Install(nullptr); }

    TJorpListWAL* MakeSpriteList(TJorpOwner* owner, const TFileMode& file, TSpriteCreator* creator,
                                 bool load, bool keep) override {
        ObjectLog().push_back("list " + Levels(file) + (load ? " load" : "") +
                              (keep ? " keep" : ""));
        auto* list = new TFakeSpriteList(owner, file);
        for (const std::string& name : MemberNames) {
            creator->PrepareObjects();
            list->Add(creator->CreateObject(name, creator->ObjectTypeFromName(name), {}));
        }
        return list;
    }
    TJorpListWAL* MakeEmptySpriteList(TJorpOwner* owner, TSpriteCreator*) override {
        ObjectLog().push_back("empty list");
        return new TFakeSpriteList(owner, TFileMode());
    }
    TJorpBase* MakeEmbeddedSprite(TJorpOwner* owner, const TFileMode& file,
                                  TEmbeddedAddress) override {
        ObjectLog().push_back("inline sprite " + Levels(file));
        return new TFakeSprite(owner, file);
    }
    TJorpBase* MakeNamedSprite(TJorpOwner* owner, const TFileMode& file) override {
        ObjectLog().push_back("sprite file " + Levels(file));
        return new TFakeSprite(owner, file);
    }
    TJorpBase* MakeUnloadedSprite(TJorpOwner* owner, const TFileMode& file) override {
        ObjectLog().push_back("unloaded sprite " + Levels(file));
        return MakeNothing ? nullptr : new TFakeSprite(owner, file);
    }
    bool SetSetState(TJorpListWAL* list, i16 set, i16 state) override {
        auto* fake = dynamic_cast<TFakeSpriteList*>(list);
        if (fake == nullptr)
            return false;
        fake->Set = set;
        fake->State = state;
        return true;
    }

    std::vector<std::string> MemberNames;
    bool MakeNothing = false;
};

// A state that notes its steps: each run stays in its phase ("run"), and the frame's begin
// and update.
class TNotingState : public TState {
public:
    explicit TNotingState(std::string name) : Name(std::move(name)) { stopFlag = true; }
    void Enter() override { ObjectLog().push_back("run " + Name); }
    void FrameBegin(u32 frame) override {
        ObjectLog().push_back("begin " + Name + " " + std::to_string(frame));
    }
    void Update(u32 frame) override {
        ObjectLog().push_back("update " + Name + " " + std::to_string(frame));
    }
    std::string Name;
};

// A game object that notes the passes the list and window drive it through, with a state of
// its own that notes its steps.
class TNotingObject : public TGameObject {
public:
    explicit TNotingObject(TJorpOwner* owner) : TGameObject(owner) {}
    ~TNotingObject() override { ObjectLog().push_back("gone " + Short()); }
    std::string Short() const { return FileMode.Name.GetName(); }
    void WithState() { InstallState(std::make_unique<TNotingState>(Short())); }
    void Tick(u32 tick) override { Note("tick " + std::to_string(tick)), TGameObject::Tick(tick); }
    void PostTick(u32 tick) override {
        Note("post " + std::to_string(tick)), TGameObject::PostTick(tick);
    }
    void Acquire(u32 key) override {
        Note("acquire " + std::to_string(key)), TGameObject::Acquire(key);
    }
    void Resolve() override { Note("resolve"), TGameObject::Resolve(); }
    void FreeSetupData() override { Note("free"), TGameObject::FreeSetupData(); }
    void Update() override { Note("update"), TGameObject::Update(); }
    void Note(const std::string& what) { ObjectLog().push_back(what + " " + Short()); }
};

// Only the face game objects and their list see; it makes what Factory makes and answers
// questions about the list it was given.
class TFakeModeWindow : public TJorpOwner, public TModeWindowApi {
public:
    const u32* GetFrameCounter() const override { return &Frame; }
    bool IsHoldSet() const override { return Hold; }
    TJorpProgress* GetProgress() const override { return nullptr; }
    TResponderList* GetResponderList() const override { return nullptr; }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}
    bool FrameTick() override { return false; }

    i32 TestSkitCondition(u16 condition) override { return condition == 7 ? 1 : -1; }
    i16 GetGameObjectIndex(const std::string& name) const override {
        return List != nullptr ? List->IndexOfName(name) : i16{-1};
    }
    i16 GetSpriteIndex(i16 object, const std::string& name) const override {
        TGameObject* member = List != nullptr ? List->GetMember(object) : nullptr;
        return member != nullptr ? member->FindSpriteIndex(name) : i16{-1};
    }
    u32 GetSpriteDuration(i16 object, i16 sprite) const override {
        return List != nullptr ? List->SpriteDurationAt(object, sprite) : 0;
    }
    bool CanActivateSprite(i16 object, i16 sprite, u32 key) override {
        return List != nullptr && List->CanActivateSpriteAt(object, sprite, key);
    }
    bool UseSprite(i16 object, i16 sprite, u32 key) override {
        return List != nullptr && List->UseSpriteAt(object, sprite, key);
    }
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override {
        ObjectLog().push_back("make " + Levels(file) + " value" + std::to_string(index) + " flag" +
                              std::to_string(data));
        return Factory ? Factory(file) : nullptr;
    }
    bool DeleteGameObject(TGameObject* object) override {
        ObjectLog().push_back("delete");
        return TModeWindowApi::DeleteGameObject(object);
    }
    void CheckGameObjects() override { ObjectLog().push_back("check"); }
    void AllocObjectTable(i16 n) override { ObjectLog().push_back("table " + std::to_string(n)); }

    std::function<TGameObject*(const TFileMode&)> Factory;
    TGObjList* List = nullptr;
    u32 Frame = 0;
    bool Hold = false;
};

// The "GOBJ" header and bodies of every version, by hand.
inline std::string GobjFile(u16 major, u16 minor, const std::string& body) {
    return Header("GOBJ", major, minor) + body;
}
