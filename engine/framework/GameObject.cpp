// TGameObject: the "GOBJ" file in its five versions, the loaders of the parts, and saving.
#include "GameObject.h"

#include "engine/foundation/JorpListWAL.h"
#include "engine/foundation/MiscData.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SpriteMaker.h"
#include "engine/framework/State.h"

TGameObject::TGameObject(TJorpOwner* owner) : TGObjSk(owner) {}

// The state first: it may still reach the sprites and skits it drives.
TGameObject::~TGameObject() {
    OwnState.reset();
}

std::unique_ptr<TGameObject> TGameObject::CreateLoaded(TJorpOwner* owner, const TFileMode& file,
                                                       bool load, bool keep) {
    auto object = std::make_unique<TGameObject>(owner);
    object->LoadObject(file, load, keep);
    return object;
}

std::unique_ptr<TGameObject> TGameObject::CreateEmpty(TJorpOwner* owner) {
    auto object = std::make_unique<TGameObject>(owner);
    object->SpriteList.reset(TSpriteMaker::Get().MakeEmptySpriteList(owner, object.get()));
    object->SkitCat = std::make_unique<TSkitCat>(owner);
    object->MiscData = std::make_unique<TMiscData>(owner);
    return object;
}

void TGameObject::LoadObject(const TFileMode& file, bool load, bool keep) {
    AttachFile(file, load, keep);
    LoadParts();
}

void TGameObject::LoadParts() {
    TFileMode part(TJorpFileName(SpriteListName), 0, FM_LEVEL_NOW, 0, FileMode.DataLocation);
    LoadSpriteList(part);
    part.Name = TJorpFileName(SkitCatName);
    LoadSkitCat(part);
    part.Name = TJorpFileName(MiscDataName);
    const bool onlyNamed = HasFlags(JOF_LOADED) && HeaderMajor == 1 && HeaderMinor <= 1;
    if (!onlyNamed) {
        LoadMiscData(part);
        return;
    }
    MiscData.reset();
    if (!part.Name.IsEmpty()) {
        part.RamLevel = 0;
        MiscData = std::make_unique<TMiscData>(0, Owner, part);
    }
}

std::string TGameObject::PlaceBeside(const std::string& name, const std::string& extension) const {
    if (name.empty())
        return std::string();
    TJorpFileName path = FileMode.Name;
    path.SetName(TJorpFileName(name));
    path.SetExtension(extension);
    return path.GetText();
}

namespace {

std::string WithExtension(const std::string& name, const std::string& extension) {
    if (name.empty())
        return std::string();
    TJorpFileName path(name);
    path.SetExtension(extension);
    return path.GetText();
}

} // namespace

bool TGameObject::ReadBody() {
    // Nothing is taken over until the whole body has been read: a short file names no part.
    std::string sprites, skits, misc;
    u16 value = ObjectValue;
    if (HeaderMajor == 1 && HeaderMinor <= 2) {
        if (!ReadName9(sprites) || !ReadName9(skits))
            return false;
        if (HeaderMinor == 0) {
            // The oldest files end with groups of names nothing reads any more.
            u16 groups = 0;
            if (!ReadU16(groups))
                return false;
            std::string ignored;
            for (u16 g = 0; g < groups; ++g) {
                u16 names = 0;
                if (!ReadU16(names))
                    return false;
                for (u16 n = 0; n < names; ++n)
                    if (!ReadName9(ignored))
                        return false;
            }
        }
        sprites = PlaceBeside(sprites, ".spl");
        skits = PlaceBeside(skits, ".skc");
        misc = WithExtension(sprites, ".md");
    } else if (HeaderMajor == 2 && HeaderMinor <= 1) {
        if (!ReadString(sprites) || !ReadString(skits))
            return false;
        if (HeaderMinor == 1) {
            if (!ReadString(misc) || !ReadU16(value))
                return false;
        } else {
            misc = WithExtension(sprites, ".md");
        }
    } else {
        return false;
    }
    SpriteListName = sprites;
    SkitCatName = skits;
    MiscDataName = misc;
    ObjectValue = value;
    return true;
}

bool TGameObject::WriteBody() {
    return WriteString(SpriteListName) && WriteString(SkitCatName) && WriteString(MiscDataName) &&
           WriteU16(ObjectValue);
}

bool TGameObject::SaveIfNeeded() {
    if (!Save(nullptr))
        return false;
    if (SpriteList)
        SpriteList->SaveIfNeeded();
    if (SkitCat)
        SkitCat->SaveIfNeeded();
    if (MiscData)
        MiscData->Save(nullptr);
    return true;
}

void TGameObject::SetMajorVersion() {
    HeaderMajor = 2;
}

void TGameObject::SetMinorVersion() {
    HeaderMinor = 1;
}

const char* TGameObject::GetHeaderId() const {
    return "GOBJ";
}

void TGameObject::SetObjectFileName(const TJorpFileName& name) {
    FileMode.Name = name;
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(GetExtension());
}
