// TSaveFile: the names a file is kept under beside the save, found free and taken without
// replacing anything, and the save's temporary name cleared for a replacement.
#include "SaveFileHost.h"

#include "engine/foundation/FileName.h"

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

// The extension of the nth of the hundred names a file or folder is kept under.
std::string NameExtension(const char* first, char letter, int n) {
    char extension[8];
    if (n == 0)
        std::snprintf(extension, sizeof extension, ".%s", first);
    else
        std::snprintf(extension, sizeof extension, ".%c%02d", letter, n % 100);
    return extension;
}

} // namespace

template <class Take>
std::string TSaveFile::FirstFreeName(const char* first, char letter, int* error, Take take) const {
    for (int n = 0; n <= 99; ++n) {
        const std::string target = WithExtension(NameExtension(first, letter, n));
        Host->ClearError();
        if (take(target))
            return TJorpFileName(target).GetNameExt();
        const int refused = Host->GetLastError();
        // A folder or a FIFO in the name's place is refused as no file, yet the name is
        // taken all the same. Any other refusal would meet every further name too.
        if (refused != EEXIST && Host->Kind(target) == THostPathKind::Missing) {
            if (error != nullptr)
                *error = refused != 0 ? refused : EIO;
            return std::string();
        }
    }
    if (error != nullptr)
        *error = EEXIST;
    return std::string();
}

std::string TSaveFile::Keep(int* error) const {
    // A second name for a link would lead to the very file the replacement puts the run in.
    const bool link = Host->IsLink(Path);
    return FirstFreeName("bad", 'b', error, [this, link](const std::string& target) {
        if (link)
            return CopyTo(target);
        if (Host->Link(Path, target))
            return true;
        switch (Host->GetLastError()) {
        // File systems that give a file one name only.
        case EPERM:
        case ENOTSUP:
        case ENOSYS:
        case EXDEV:
        case EMLINK:
            return CopyTo(target);
        default:
            return false;
        }
    });
}

std::string TSaveFile::NamesTried(const char* first, char letter) const {
    const std::string base = TJorpFileName(Path).GetName();
    return base + "." + first + " and " + base + "." + letter + "01 to " + base + "." + letter +
           "99";
}

std::string TSaveFile::KeptNames() const {
    return NamesTried("bad", 'b');
}

bool TSaveFile::IsKeptName(const std::string& path) const {
    for (int n = 0; n <= 99; ++n)
        if (path == WithExtension(NameExtension("bad", 'b', n)))
            return true;
    return false;
}

std::string TSaveFile::FolderKeptNames() const {
    return NamesTried("old", 'o');
}

bool TSaveFile::Unkeep(const std::string& kept) const {
    return Host->Delete(KeptPath(kept));
}

std::string TSaveFile::KeptPath(const std::string& kept) const {
    TJorpFileName name(Path);
    name.SetNameExtFrom(TJorpFileName(kept));
    return name.GetText();
}

std::string TSaveFile::PlaceTempAside(bool& synced, int* error) const {
    synced = true;
    const TSaveFile temp(*Host, GetTempPath());
    return FirstFreeName("bad", 'b', error, [&](const std::string& target) {
        // A plain move never replaces: a name in use is simply taken.
        if (Host->Move(temp.GetPath(), target, MOVEFILE_WRITE_THROUGH))
            return true;
        // The rename is done when the temporary name is gone: only the folder's sync failed.
        const int refused = Host->GetLastError();
        const bool moved = !temp.Exists() && Host->Kind(target) == THostPathKind::Regular;
        Host->RestoreError(refused);
        if (moved)
            synced = false;
        return moved;
    });
}

bool TSaveFile::CopyTo(const std::string& target) const {
    Host->ClearError();
    THostFile* from = Host->Open(Path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (from == nullptr)
        return false;
    THostFile* to = Host->Open(target, GENERIC_WRITE, 0, CREATE_NEW);
    if (to == nullptr) {
        Host->Close(from);
        return false;
    }
    std::vector<u8> buffer(64 * 1024);
    bool ok = true;
    for (u32 got = 0; ok;) {
        ok = Host->Read(from, buffer.data(), static_cast<u32>(buffer.size()), &got);
        if (!ok || got == 0)
            break;
        u32 done = 0;
        ok = Host->Write(to, buffer.data(), got, &done) && done == got;
    }
    ok = ok && Host->Flush(to);
    ok = Host->Close(to) && ok;
    Host->Close(from);
    if (!ok) {
        const int error = Host->GetLastError();
        Host->Delete(target);
        Host->RestoreError(error != 0 ? error : EIO);
    }
    return ok;
}

TSaveFile::TTempPlace TSaveFile::ClearTempPlace() const {
    TTempPlace place;
    const TSaveFile temp(*Host, GetTempPath());
    Host->ClearError();
    if (Host->Delete(temp.GetPath()) || Host->GetLastError() != EISDIR)
        return place;
    int error = 0;
    // A plain move never replaces: a name in use is simply taken. The replacement syncs the
    // directory afterwards.
    place.KeptAs = temp.FirstFreeName("old", 'o', &error, [&temp](const std::string& target) {
        return temp.Host->Move(temp.GetPath(), target, 0);
    });
    if (place.KeptAs.empty())
        place.Error = error != 0 ? error : EISDIR;
    return place;
}
