// Stand-ins for what game objects reach: a sprite maker whose lists and sprites note how they
// were asked for, a mode window that is only the face game objects see, and game objects and a
// state that note their passes.
#pragma once

#include "ObjectBytes.h"

#include "engine/foundation/JorpListWAL.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/SpriteMaker.h"
#include "engine/framework/State.h"
#include "support/QuietModeWindow.h"

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

inline std::string GobjFile(u16 major, u16 minor, const std::string& body) {
    return Header("GOBJ", major, minor) + body;
}

// A sprite: an engine object of the sprite extension that may start from a given frame on.
struct TFakeSprite : TJorpBase {
    TFakeSprite(TJorpOwner* owner, const TFileMode& file) : TJorpBase(owner, 0, file) {
        FileMode.Name.SetExtension(".sp");
    }
    u32 FreeFrom = 0;
};

// A list of fake sprites whose starts at the frames in RefusedKeys fail as if a set were full.
class TFakeSpriteList : public TJorpListWAL {
public:
    explicit TFakeSpriteList(TJorpOwner* owner) : TJorpListWAL(owner) { AddActiveList("none"); }
    bool CanActivate(TJorpBase* member, u32 key) override {
        const auto* sprite = dynamic_cast<TFakeSprite*>(member);
        return sprite != nullptr && key >= sprite->FreeFrom;
    }
    bool UseAt(i16 index, u32 key) override {
        Uses.push_back(key);
        return RefusedKeys.count(key) == 0 && TJorpListWAL::UseAt(index, key);
    }
    TFakeSprite* AddFake(const std::string& name, u32 duration, u32 freeFrom = 0) {
        auto* sprite = new TFakeSprite(Owner, TFileMode(TJorpFileName(name), 0, 0));
        sprite->Duration = duration;
        sprite->FreeFrom = freeFrom;
        Add(sprite);
        return sprite;
    }
    std::vector<u32> Uses;
    std::set<u32> RefusedKeys;
};

// Installs itself for its life and notes every request. A list it makes builds the members
// of MemberNames through its creator, as a list file of old names would.
class TFakeSpriteMaker : public TSpriteMaker {
public:
    TFakeSpriteMaker() { TSpriteMaker::Install(this); }
    ~TFakeSpriteMaker() override { TSpriteMaker::Install(nullptr); }

    TJorpListWAL* MakeSpriteList(TJorpOwner* owner, const TFileMode& file, TSpriteCreator* creator,
                                 bool load, bool) override {
        ObjectLog().push_back("list " + Levels(file) + (load ? " load" : ""));
        auto* list = new TFakeSpriteList(owner);
        for (const std::string& name : MemberNames) {
            creator->PrepareObjects();
            list->Add(creator->CreateObject(name, creator->ObjectTypeFromName(name), {}));
        }
        return list;
    }
    TJorpListWAL* MakeEmptySpriteList(TJorpOwner* owner, TSpriteCreator*) override {
        return new TFakeSpriteList(owner);
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
    std::vector<std::string> MemberNames;
    bool MakeNothing = false;
};

// A state that notes its steps: each run stays in its phase, and the frame's begin and update.
class TNotingState : public TState {
public:
    explicit TNotingState(std::string name) : Name(std::move(name)) { stopFlag = true; }
    void Enter() override { ObjectLog().push_back("run " + Name); }
    void FrameBegin(u32 f) override { ObjectLog().push_back("begin " + Name + std::to_string(f)); }
    void Update(u32 f) override { ObjectLog().push_back("update " + Name + std::to_string(f)); }
    std::string Name;
};

// A game object that notes the passes the list and window drive it through.
class TNotingObject : public TGameObject {
public:
    explicit TNotingObject(TJorpOwner* owner) : TGameObject(owner) {}
    ~TNotingObject() override { Note("gone"); }
    std::string Short() const { return FileMode.Name.GetName(); }
    void WithState() { InstallState(std::make_unique<TNotingState>(Short())); }
    void Tick(u32 t) override { Note("tick" + std::to_string(t)), TGameObject::Tick(t); }
    void PostTick(u32 t) override { Note("post" + std::to_string(t)), TGameObject::PostTick(t); }
    void Acquire(u32 k) override { Note("acquire" + std::to_string(k)), TGameObject::Acquire(k); }
    void Resolve() override { Note("resolve"), TGameObject::Resolve(); }
    void FreeSetupData() override { Note("free"), TGameObject::FreeSetupData(); }
    void Update() override { Note("update"), TGameObject::Update(); }
    void Note(const std::string& what) { ObjectLog().push_back(what + " " + Short()); }
};

// Only the face game objects and their list see; it makes what Factory makes.
class TFakeModeWindow : public TQuietModeWindow {
public:
    i32 TestSkitCondition(u16 condition) override { return condition == 7 ? 1 : -1; }
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
};
