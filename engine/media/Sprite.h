// TSprite: the engine's drawable and audible object, whose animations and waves start on a frame
// timeline read from its sprite table.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/media/AnmList.h"
#include "engine/media/Gr.h"
#include "engine/media/WavList.h"

#include <memory>
#include <string>
#include <utility>

class TAnm;
class TAnmData;
class TSpriteTable;
class TWav;

// Engine-object flags of a sprite, besides the common ones.
constexpr u16 SPF_DRIVEN = 0x0400;        // its owner drives it: Play leaves the waves alone
                                          // and finishing members never stop it
constexpr u16 SPF_KEEP_DURATION = 0x0800; // saving keeps the stored duration
constexpr u16 SPF_ANMS_DONE = 0x1000;     // every animation has finished
constexpr u16 SPF_WAVS_DONE = 0x2000;     // every wave has finished

// A sprite is made in two steps, since what it reads builds members through its own virtual
// operations: a constructor, then LoadEmbedded (from inside a sprite list's image) or
// AttachNamed (its own ".sp" file); the makers below do both.
class TSprite : public TJorpBase {
public:
    // An empty sprite: empty member lists and an empty sprite table that stays.
    explicit TSprite(TJorpOwner* owner);
    // A sprite of that file (given the extension ".sp"), not yet read.
    TSprite(TJorpOwner* owner, const TFileMode& mode);
    ~TSprite() override;

    // A T made from the arguments and read from the image at the address.
    template <class T = TSprite, class... Args>
    static std::unique_ptr<T> MakeEmbedded(TEmbeddedAddress address, Args&&... args) {
        auto sprite = std::make_unique<T>(std::forward<Args>(args)...);
        sprite->LoadEmbedded(address);
        return sprite;
    }
    // A T made from the arguments and attached to its own ".sp" file.
    template <class T = TSprite, class... Args>
    static std::unique_ptr<T> MakeNamed(bool load, bool keep, Args&&... args) {
        auto sprite = std::make_unique<T>(std::forward<Args>(args)...);
        sprite->AttachNamed(load, keep);
        return sprite;
    }

    // Reads the sprite from the image at the address, then builds its members from the
    // table read and frees the table. A failed read leaves a byte count of -1.
    void LoadEmbedded(TEmbeddedAddress address);
    // Attaches the sprite's own file (read now when load is set), then builds its members;
    // a sprite that read no table ends the program.
    void AttachNamed(bool load, bool keep);

    void FreeSetupData() override;
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Play(u32 tick) override;
    void Start() override;
    void Stop() override;
    void Show() override;
    void Hide() override;
    void Acquire(u32 tick) override;
    void Release() override;
    bool ReadBody() override;
    bool WriteBody() override;
    bool SaveIfNeeded() override;
    std::string GetExtension() const override { return ".sp"; }
    void SetMinorVersion() override { HeaderMinor = 1; }
    const char* GetHeaderId() const override { return "SPR "; }

    // Virtual operations of sprites, after those of every engine object.
    // The animation of a cell, registered but not read.
    virtual TAnm* NewAnm(const TFileMode& mode, const TAnmData& frameData);
    // The wave of a cell, registered but not read; a duration of 0 or less gives 0.
    virtual TWav* NewWav(const TFileMode& mode, i16 duration);

    void ClearStartDelays();
    // A sprite the game drives rather than its timeline: read from its own file when the
    // address is null, else from inside its parent's image; its members wait for no start
    // delay and it takes its started mark at its next PostTick.
    void ReadDriven(TEmbeddedAddress address);
    u32 CalcDuration() const;
    // Append a member; the sprite owns it even when the list refuses it (it is then deleted).
    bool AddAnm(TAnm* anm);
    bool AddWav(TWav* wav);
    [[noreturn]] void FatalAnmSetup(const std::string& name, const std::string& description,
                                    i16 number);
    [[noreturn]] void FatalWavSetup(const std::string& name, const std::string& description,
                                    i16 number);
    i16 GetAnmFrame(i16 index) const;
    void SetAnmFrame(u16 frame, i16 index);
    void PlayWavAt(i16 index);
    bool AdjustUse(i16 n);
    void SetAnmFileModes(u8 first, u8 second);
    void SetWavFileModes(u8 first, u8 second);
    void AnchorAnmsAtHome();
    bool AddAnmByName(const TFileMode& mode, i16 z);
    bool AddAnmByNameAt(const TFileMode& mode, i16 x, i16 y, i16 z);
    bool AddWavByName(const TFileMode& mode, i16 duration);

    TAnmList* GetAnmList() const { return AnmList.get(); }
    TWavList* GetWavList() const { return WavList.get(); }
    // The animation or wave at an index, or null.
    TAnm* GetAnm(i16 index) const;
    TWav* GetWav(i16 index) const;
    // Null once the set-up data is freed.
    TSpriteTable* GetTable() const { return Table.get(); }
    // Names the sprite's file (given the extension ".sp"), for a sprite made empty and then
    // written into a sprite list.
    void SetFileName(const TJorpFileName& name);
    TGrPoint GetPosition() const { return {X, Y, Z}; }
    void SetPosition(const TGrPoint& p);
    TGrPoint GetHome() const { return {HomeX, HomeY, HomeZ}; }
    u16 GetObjectType() const { return ObjectType; }
    void SetObjectType(u16 type) { ObjectType = type; }

private:
    // Turns the table's named cells into members, row by row, then slot by slot.
    void BuildMembers();
    // The position just read is the home position.
    void SetHome();
    [[noreturn]] void FatalSetup(const std::string& name, const std::string& description,
                                 i16 number, const std::string& caption);

    std::unique_ptr<TAnmList> AnmList;
    std::unique_ptr<TWavList> WavList;
    std::unique_ptr<TSpriteTable> Table;
    i16 X = 0;
    i16 Y = 0;
    i16 Z = 0;
    i16 HomeX = 0;
    i16 HomeY = 0;
    i16 HomeZ = 0;
    u16 ObjectType = 0;
};
