// TDataSet: the media files encoded as they are added, and the list of every file written.
#include "tools/databuild/model/DataSet.h"

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"

void TDataSet::AddPalette(const std::string& name, const TColourTable& colours) {
    Raw.push_back({name, TPalEncoder::Encode(colours), 0});
}

void TDataSet::AddBitmap(const std::string& name, const TCanvas& picture,
                         const TColourTable& colours) {
    std::vector<u8> bytes =
        TBmpEncoder::Encode(picture.Width(), picture.Height(), picture.Pixels(), colours);
    if (bytes.empty())
        throw TBuildError(name, "the bitmap cannot be encoded");
    Raw.push_back({name, std::move(bytes), 0});
}

void TDataSet::AddAnm(const std::string& name, const std::vector<TAnmFrameSource>& frames, u16 refX,
                      u16 refY) {
    std::vector<u8> bytes = TAnmEncoder::Encode(frames, refX, refY);
    if (bytes.empty() || frames.empty() || frames.size() > 0xFFFF)
        throw TBuildError(name, "the animation's frames cannot be encoded");
    Raw.push_back({name, std::move(bytes), static_cast<u16>(frames.size())});
}

void TDataSet::AddWave(const std::string& name, const TSamples& samples) {
    Raw.push_back({name, EncodeWave(samples), 0});
}

const TRawFile* TDataSet::FindRaw(const std::string& name) const {
    for (const TRawFile& f : Raw)
        if (f.Name == name)
            return &f;
    return nullptr;
}

TSpriteListModel* TDataSet::FindSpriteList(const std::string& name) {
    for (TSpriteListModel& list : SpriteLists)
        if (list.GetName() == name)
            return &list;
    return nullptr;
}

const TSpriteListModel* TDataSet::FindSpriteList(const std::string& name) const {
    return const_cast<TDataSet*>(this)->FindSpriteList(name);
}

const TGameObjectListModel* TDataSet::FindGameObjectList(const std::string& name) const {
    for (const TGameObjectListModel& list : GameObjectLists)
        if (list.Name == name)
            return &list;
    return nullptr;
}

std::vector<std::string> TDataSet::FileNames() const {
    std::vector<std::string> names = {Game.Name};
    for (const TModeModel& m : Modes)
        names.push_back(m.Name);
    for (const TGameObjectListModel& l : GameObjectLists) {
        names.push_back(l.Name);
        for (const TGameObjectModel& o : l.Objects)
            names.push_back(o.Name);
    }
    for (const TMiscDataModel& m : MiscData)
        names.push_back(m.Name);
    for (const TSpriteListModel& l : SpriteLists)
        names.push_back(l.GetName());
    for (const TSkitCatModel& c : SkitCats) {
        names.push_back(c.Name);
        for (const TSkitListModel& l : c.Lists)
            names.push_back(l.Name);
    }
    for (const TRawFile& f : Raw)
        names.push_back(f.Name);
    SortNames(names);
    return names;
}
