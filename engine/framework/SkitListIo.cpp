// TSkitList: the "KLST" body: the skits' names, the portfolio, and the skits in their own files or
// stored inside.
#include "SkitList.h"

#include "engine/framework/Skit.h"
#include "engine/framework/SkitFileNames.h"
#include "engine/framework/SkitPortfolio.h"

#include <vector>

bool TSkitList::ReadBody() {
    if (ReadSkits())
        return true;
    // Whatever was read goes: the positions stored in portfolios elsewhere would otherwise
    // name skits of a half-read list.
    DeleteAll();
    Portfolio = std::make_unique<TSkitPortfolio>(GameObject);
    StoredCount = 0;
    return false;
}

bool TSkitList::ReadSkits() {
    bool bareNames;
    bool ownFiles = false;
    if (HeaderMajor == 1 && (HeaderMinor == 0 || HeaderMinor == 1)) {
        bareNames = true;
        ownFiles = HeaderMinor == 0;
    } else if (HeaderMajor == 2) {
        bareNames = false;
    } else {
        return false;
    }

    std::vector<std::string> names;
    if (!ReadSkitFileNames(*this, bareNames, MAX_PLACES - GetCount(), FileMode.Name, ".sk", names))
        return false;
    const auto count = static_cast<u16>(names.size());

    // The stored portfolio is named after this list's file: its cursors persist.
    auto portfolio = TSkitPortfolio::CreateEmbedded(GameObject, FileMode.Name.GetText(),
                                                    GetReadPosition(), true);
    if (!SkipChild(*portfolio))
        return false;
    Portfolio = std::move(portfolio);

    const i32 places = GetCount() + count;
    if (!ownFiles && places > Capacity && !Grow(static_cast<i16>(places)))
        return false;
    for (const std::string& name : names) {
        std::unique_ptr<TSkit> skit;
        if (ownFiles) {
            TFileMode file(TJorpFileName(name), 0, FM_LEVEL_NOW, 0, FileMode.DataLocation);
            skit = TSkit::CreateNamed(Owner, file, GameObject, true, false);
            if (!skit->HasFlags(JOF_LOADED))
                return false;
        } else {
            skit = TSkit::CreateEmbedded(Owner, name, GameObject, GetReadPosition(), true);
            if (!SkipChild(*skit))
                return false;
        }
        if (!Add(skit.get()))
            return false;
        skit.release();
    }
    StoredCount = count;
    if (!ownFiles)
        SortByName();
    return true;
}

bool TSkitList::WriteBody() {
    const i16 count = GetCount();
    if (!WriteU16(static_cast<u16>(count)))
        return false;
    StoredCount = static_cast<u16>(count);
    for (i16 i = 0; i < count; ++i) {
        const TJorpBase* skit = GetAt(i);
        if (skit == nullptr || !WriteString(skit->GetFileMode().Name.GetText()))
            return false;
    }
    if (!Portfolio->Save(WriteFile))
        return false;
    for (i16 i = 0; i < count; ++i)
        if (!GetAt(i)->Save(WriteFile))
            return false;
    return true;
}

bool TSkitList::SaveIfNeeded() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* skit = Members[i])
            skit->SaveIfNeeded();
    Save(nullptr);
    return true;
}
