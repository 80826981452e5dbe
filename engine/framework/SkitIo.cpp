// TSkit: the "SKIT" body with its embedded table and criteria, and the empty-table warning.
#include "Skit.h"

#include "engine/framework/SkitCriteria.h"
#include "engine/framework/SkitData.h"
#include "engine/framework/SkitTable.h"
#include "platform/host/MessageBox.h"

bool TSkit::ReadBody() {
    u16 id = 0;
    i16 flag = 0;
    if (!ReadU16(id))
        return false;
    // Only minor 1 stores the flag word, whatever the major.
    const bool withFlag = HeaderMinor == 1;
    if (withFlag && !ReadI16(flag))
        return false;
    // A child that fails to read gives no byte count to step over: the skit fails with it
    // rather than read what follows from the wrong place.
    auto table = CreateLoadedAt<TSkitTable>(GetReadPosition(), true, Owner, GameObject);
    if (!SkipChild(*table))
        return false;
    auto criteria = CreateLoadedAt<TSkitCriteria>(GetReadPosition(), true);
    if (!SkipChild(*criteria))
        return false;
    SetId(id);
    if (withFlag) {
        if (flag != 0)
            SetFlags(SKIT_EMPTY_TABLE_OK);
        else
            ClearFlags(SKIT_EMPTY_TABLE_OK);
    }
    Table = std::move(table);
    Criteria = std::move(criteria);
    DataList.reset();
    ClearFlags(JOF_SETUP_FREED);
    return true;
}

bool TSkit::WriteBody() {
    // A set-up skit has given its table up; writing it would store a skit without its
    // sprites, so the write fails instead.
    if (!Table)
        return false;
    if (Table->GetCount() == 0 && !HasFlags(SKIT_EMPTY_TABLE_OK))
        MessageBoxExA(nullptr,
                      "Saving skit '" + FileMode.Name.GetText() + "' with zero rows in table.",
                      "Warning !! Skit Write", MB_OK | MB_TASKMODAL);
    return WriteU16(GetId()) && WriteI16(HasFlags(SKIT_EMPTY_TABLE_OK) ? 1 : 0) &&
           Table->Save(WriteFile) && Criteria->Save(WriteFile);
}

bool TSkit::SaveIfNeeded() {
    return Save(nullptr);
}
