// TGameObject: a game object of a ".go" file naming its sprite list, skit catalogue and misc
// data, and the loader that makes all three.
#pragma once

#include "engine/framework/GObjSk.h"

#include <memory>
#include <string>

// Reads "GOBJ" 1.0, 1.1, 1.2, 2.0 and 2.1; writes 2.1. Made in two steps, like every
// engine object read from a file: a bare object, then one of the loaders below. The forms
// of the engine:
// - full load (a mode's plain members): CreateLoaded;
// - names only (game lords, seat players, which load their parts themselves):
//   TJorpBase::CreateAttached<T>(file, true, false, owner, ...);
// - empty (no file): CreateEmpty.
class TGameObject : public TGObjSk {
public:
    // No file and no parts; the object the data-set builder names and saves.
    explicit TGameObject(TJorpOwner* owner);
    ~TGameObject() override;

    // The object of the file and the parts it names (none for a file that was not read).
    static std::unique_ptr<TGameObject> CreateLoaded(TJorpOwner* owner, const TFileMode& file,
                                                     bool load, bool keep);
    // An empty sprite list, an empty skit catalogue and empty misc data.
    static std::unique_ptr<TGameObject> CreateEmpty(TJorpOwner* owner);

    // Attaches the file (read when load is set), then makes the parts it names.
    void LoadObject(const TFileMode& file, bool load, bool keep);
    // The sprite list and skit catalogue at RAM level 4 in the object's data location; the
    // misc data too, except that a 1.0 or 1.1 file's is only named.
    void LoadParts();

    bool ReadBody() override;
    bool WriteBody() override;
    // Saves itself, then its sprite list, catalogue and misc data; false only when the
    // object itself could not be saved.
    bool SaveIfNeeded() override;
    void SetMajorVersion() override;
    void SetMinorVersion() override;
    const char* GetHeaderId() const override;

    // What a fileless object is given before it is saved (the data-set builder).
    // The object's own file, given the ".go" extension.
    void SetObjectFileName(const TJorpFileName& name);
    void SetSpriteListName(const std::string& name) { SpriteListName = name; }
    void SetSkitCatName(const std::string& name) { SkitCatName = name; }
    void SetMiscDataName(const std::string& name) { MiscDataName = name; }
    void SetObjectValue(u16 value) { ObjectValue = value; }
    u16 GetObjectValue() const { return ObjectValue; }

protected:
    u16 ObjectValue = 0;

private:
    // A 1.x name: the name part beside the object's own file, with the extension.
    std::string PlaceBeside(const std::string& name, const std::string& extension) const;
};
