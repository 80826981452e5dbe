// TJorpBase: construction, timing, use counting and the object's share of its data-file image.
#include "JorpBase.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileWriteBuf.h"
#include "engine/foundation/JorpOwner.h"
#include "platform/host/MessageBox.h"

TJorpBase::TJorpBase(TJorpOwner* owner) : Owner(owner) {}

TJorpBase::TJorpBase(TJorpOwner* owner, int, const TFileMode& mode)
    : Owner(owner), FileMode(mode) {}

TJorpBase::~TJorpBase() {
    ReleaseImage();
    OwnedWriteFile.reset();
    Owner = nullptr;
}

bool TJorpBase::OnEndTime(u32) {
    return true;
}
bool TJorpBase::OnStartTime(u32) {
    return true;
}
void TJorpBase::Prepare() {}
void TJorpBase::FreeSetupData() {}
i32 TJorpBase::EvResponder(TResponder*) {
    return 0;
}
i32 TJorpBase::EvButton(u16, i32, u32) {
    return 0;
}

void TJorpBase::Tick(u32 tick) {
    if ((Flags & JOF_TIMED_ON) != 0 && tick >= StopMark && OnEndTime(tick))
        ClearFlags(JOF_TIMED_ON);
}

void TJorpBase::PostTick(u32 tick) {
    if ((Flags & JOF_TIMED_ON) == 0 && (tick >= StartMark || (Flags & JOF_START_NOW) != 0) &&
        OnStartTime(tick))
        SetFlags(JOF_TIMED_ON);
}

void TJorpBase::Play(u32) {
    Start();
}

void TJorpBase::Start() {
    SetFlags(JOF_ON);
    ClearFlags(JOF_STOP_REQUESTED);
}

void TJorpBase::Stop() {
    SetFlags(JOF_STOP_REQUESTED);
}

u16 TJorpBase::SetId(u16 id) {
    const u16 previous = Id;
    Id = id;
    return previous;
}

u16 TJorpBase::GetId() const {
    return Id;
}
void TJorpBase::Show() {
    SetFlags(JOF_SHOWN);
}
void TJorpBase::Hide() {
    ClearFlags(JOF_SHOWN);
}
bool TJorpBase::IsShown() const {
    return (Flags & JOF_SHOWN) != 0;
}

void TJorpBase::Acquire(u32) {
    ++UseCount;
}

void TJorpBase::Release() {
    if (UseCount > 0)
        --UseCount;
}

void TJorpBase::Resolve() {}
bool TJorpBase::ReadBody() {
    return true;
}
bool TJorpBase::WriteBody() {
    return false;
}
i32 TJorpBase::Query24() {
    return 0;
}
bool TJorpBase::SaveIfNeeded() {
    return true;
}
std::string TJorpBase::GetExtension() const {
    return ".bas";
}
void TJorpBase::SetMajorVersion() {
    HeaderMajor = 1;
}
void TJorpBase::SetMinorVersion() {
    HeaderMinor = 0;
}
const char* TJorpBase::GetHeaderId() const {
    return "JORP";
}

bool TJorpBase::CreateImage() {
    if (Image != nullptr)
        return false;
    Image = new TJorpBaseFile();
    return true;
}

void TJorpBase::AttachFile(const TFileMode& mode, bool load, bool keep) {
    if (&mode != &FileMode)
        FileMode = mode;
    // A nameless object stays nameless: an extension alone would send the manager looking
    // for a file called ".bas" instead of reporting the missing name.
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(GetExtension());
    FMRegister();
    if (load && (Flags & JOF_NO_IMAGE) == 0) {
        BytesRead = Load(true, TEmbeddedAddress{});
        if (!keep)
            ReleaseImage();
    }
}

void TJorpBase::LoadAt(TEmbeddedAddress address, bool load) {
    if (!address.IsNull() && load)
        BytesRead = Load(true, address);
}

void TJorpBase::FMRegister() {
    // Registering again must not leave the old image counted as used.
    ReleaseImage();
    if (FileMode.Name.IsEmpty()) {
        MessageBoxExA(nullptr, "Name is NULL", "Base::FMRegister", MB_OK);
        SetFlags(JOF_NO_IMAGE);
        return;
    }
    TJorpFileMgr* manager = TEngineContext::FileMgr;
    if (manager == nullptr) {
        SetFlags(JOF_NO_IMAGE);
        return;
    }
    const std::string& name = FileMode.Name.GetText();
    TFMFLData& table = manager->GetFileTable();

    if (!FileMode.IsPrivate()) {
        const i16 bucket = TFMFLData::NameHash(name);
        if (TJorpBaseFile* shared = table.GetBucket(bucket).FindByName(name)) {
            // Other objects hold this image: it is never deleted here, even when the
            // manager cannot bring it into memory (the load then fails cleanly).
            ++shared->UseCount;
            shared->AddLevelUse(FileMode.DiskLevel, FileMode.RamLevel);
            Image = shared;
            ImageDiskLevel = FileMode.DiskLevel;
            ImageRamLevel = FileMode.RamLevel;
            manager->UpdateImage(shared);
            ClearFlags(JOF_NO_IMAGE);
            return;
        }
    }

    CreateImage();
    TJorpBaseFile* image = Image;
    TFileList* list = nullptr;
    bool ok = manager->Locate(image, name);
    if (ok) {
        if (FileMode.IsPrivate()) {
            list = &table.GetPrivateList();
            image->Flags = static_cast<u16>(image->Flags & ~BF_HASHED);
        } else {
            image->Bucket = TFMFLData::NameHash(name);
            list = &table.GetBucket(image->Bucket);
            image->Flags = static_cast<u16>(image->Flags | BF_HASHED);
        }
        ok = list->AddHead(image);
    }
    if (ok) {
        image->Flags = static_cast<u16>(image->Flags | BF_LISTED);
        ++image->UseCount;
        image->AddLevelUse(FileMode.DiskLevel, FileMode.RamLevel);
        ImageDiskLevel = FileMode.DiskLevel;
        ImageRamLevel = FileMode.RamLevel;
        ok = manager->UpdateImage(image);
        if (!ok)
            list->Remove(image);
    }
    if (!ok) {
        delete image;
        Image = nullptr;
        SetFlags(JOF_NO_IMAGE);
    }
}

void TJorpBase::ReleaseImage() {
    if (Image == nullptr)
        return;
    TJorpBaseFile* image = Image;
    Image = nullptr;
    if (image->UseCount > 0)
        --image->UseCount;
    image->DropLevelUse(ImageDiskLevel, ImageRamLevel);
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->UpdateImage(image);
}

bool TJorpBase::ChangeFile(const TFileMode& mode) {
    if (Image == nullptr)
        return false;
    if (mode.DiskLevel == ImageDiskLevel && mode.RamLevel == ImageRamLevel)
        return true;
    if (Image->UseCount > 0)
        --Image->UseCount;
    Image->DropLevelUse(ImageDiskLevel, ImageRamLevel);
    ++Image->UseCount;
    Image->AddLevelUse(mode.DiskLevel, mode.RamLevel);
    ImageDiskLevel = mode.DiskLevel;
    ImageRamLevel = mode.RamLevel;
    FileMode = mode;
    return TEngineContext::FileMgr == nullptr || TEngineContext::FileMgr->UpdateImage(Image);
}

bool TJorpBase::UpdateFileLevels() {
    const u8 level = UseCount < 2 ? 1 : (UseCount == 2 ? 2 : 3);
    TFileMode mode = FileMode;
    mode.DiskLevel = level;
    mode.RamLevel = level;
    return ChangeFile(mode);
}

std::string TJorpBase::GetImageFileName() const {
    return Image != nullptr ? Image->BufferPath : std::string();
}

u32 TJorpBase::GetOwnerTick() const {
    if (Owner == nullptr)
        return 0;
    const u32* counter = Owner->GetFrameCounter();
    return counter != nullptr ? *counter : 0;
}

u32 TJorpBase::GetNextTick() const {
    if (Owner == nullptr)
        return 0;
    return GetOwnerTick() + (Owner->IsHoldSet() ? 0 : 1);
}
