// JorpDataFileExists: the places the data-file manager reads a file from, asked before it is.
#include "DataFiles.h"

#include "engine/foundation/DetList.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "platform/host/VirtualPath.h"

bool JorpDataFileExists(const std::string& name, std::string* where) {
    const TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr) {
        if (where != nullptr)
            *where = name;
        return false;
    }
    const TJorpFileName dataDir(manager->GetDataNames().GetFullPath());
    const TJorpFileName cdDir(manager->GetCDNames().GetFullPath());
    // A catalogued file is read from its catalogue's pack, which is what must be there.
    std::string file = name;
    TDetEntry entry;
    if (manager->GetDetList() != nullptr && manager->GetDetList()->Find(name, entry))
        file = entry.PackName;
    const TJorpFileName onDisk = TJorpFileName(dataDir).Append(file);
    const TJorpFileName onCD = TJorpFileName(cdDir).Append(file);
    const bool found = onDisk.Exists() || onCD.Exists();
    if (where != nullptr) {
        const std::string& path = !found || onDisk.Exists() ? onDisk.GetText() : onCD.GetText();
        const auto host = TVirtualPaths::ToHost(path);
        *where = host ? *host : path;
    }
    return found;
}
