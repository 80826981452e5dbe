// JorpDataFileExists: the places the data-file manager reads a file from, asked before it is.
#include "DataFiles.h"

#include "engine/foundation/DataFileDamage.h"
#include "engine/foundation/DetList.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpBase.h"
#include "engine/foundation/PrintableText.h"
#include "platform/host/PathKind.h"
#include "platform/host/VirtualPath.h"

namespace {

// Where the manager would read a data file from, and what stands there.
struct TDataFilePlace {
    std::string Path; // the file, or the pack that holds it; virtual
    THostPathKind Kind = THostPathKind::Missing;
    bool Packed = false;
};

TDataFilePlace PlaceOf(const TJorpFileMgr& manager, const std::string& name) {
    const TJorpFileName dataDir(manager.GetDataNames().GetFullPath());
    const TJorpFileName cdDir(manager.GetCDNames().GetFullPath());
    // A catalogued file is read from its catalogue's pack, which is what must be there.
    TDataFilePlace place;
    std::string file = name;
    TDetEntry entry;
    if (manager.GetDetList() != nullptr && manager.GetDetList()->Find(name, entry)) {
        file = entry.PackName;
        place.Packed = true;
    }
    const TJorpFileName onDisk = TJorpFileName(dataDir).Append(file);
    const TJorpFileName onCD = TJorpFileName(cdDir).Append(file);
    const THostPathKind diskKind = GetHostPathKind(onDisk);
    const THostPathKind cdKind = GetHostPathKind(onCD);
    // As the manager chooses: a plain file first, then whatever else stands there.
    if (diskKind == THostPathKind::Regular ||
        (cdKind != THostPathKind::Regular && diskKind != THostPathKind::Missing)) {
        place.Path = onDisk.GetText();
        place.Kind = diskKind;
    } else if (cdKind != THostPathKind::Missing) {
        place.Path = onCD.GetText();
        place.Kind = cdKind;
    } else {
        place.Path = onDisk.GetText();
    }
    return place;
}

std::string HostPath(const std::string& path) {
    const auto host = TVirtualPaths::ToHost(path);
    return host ? *host : path;
}

// A data file's path for a box: the parts that come from data files, which damage can fill
// with any bytes, made printable; the host's own folder as it is.
std::string ShownPath(const std::string& path) {
    return HostPath(JorpPrintable(path));
}

} // namespace

bool JorpDataFileExists(const std::string& name, std::string* where) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr) {
        if (where != nullptr)
            *where = name;
        return false;
    }
    const TDataFilePlace place = PlaceOf(*manager, name);
    if (where != nullptr)
        *where = HostPath(place.Path);
    return place.Kind == THostPathKind::Regular;
}

std::string JorpDataFileMissing(const std::string& name, const std::string& namedBy) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr)
        return "Not found: " + JorpPrintable(name);
    const TDataFilePlace place = PlaceOf(*manager, name);
    const std::string where = ShownPath(place.Path);
    if (place.Kind == THostPathKind::Directory)
        return "Is a folder, not a file: " + where;
    if (place.Kind != THostPathKind::Missing && place.Kind != THostPathKind::Regular)
        return std::string("Is ") + DescribeHostPathKind(place.Kind) + ": " + where;
    TDetDamage damage;
    if (!place.Packed && manager->GetDetList() != nullptr &&
        manager->GetDetList()->ExplainMissing(name, damage))
        return "Damaged: " + ShownPath(damage.Catalogue) + ": " + JorpPrintable(damage.Problem);
    return "Not found: " + where + (namedBy.empty() ? "" : ", " + namedBy);
}

bool JorpDataFileIsNotAFile(const std::string& name) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr)
        return false;
    const THostPathKind kind = PlaceOf(*manager, name).Kind;
    return kind != THostPathKind::Missing && kind != THostPathKind::Regular;
}

void JorpDataFileMustNotBeOther(const std::string& name) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr || !JorpDataFileIsNotAFile(name))
        return;
    const TDataFilePlace place = PlaceOf(*manager, name);
    JorpDamagedDataFile(place.Path, NotAFileProblem(place.Kind));
}

std::string JorpDataFileShown(const std::string& name) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr)
        return JorpPrintable(name);
    const TDataFilePlace place = PlaceOf(*manager, name);
    const std::string where = ShownPath(place.Path);
    return place.Packed ? JorpPrintable(name) + " in " + where : where;
}

std::string JorpDataFileUnreadable(const std::string& name, const TJorpBase* object) {
    std::string line = "Cannot be read: " + JorpDataFileShown(name);
    if (object != nullptr)
        line += " (" + ObjectProblem(*object) + ")";
    return line;
}
