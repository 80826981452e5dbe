// TSprite: construction in two steps, the member lists built from the table, and the timeline.
#include "engine/media/Sprite.h"

#include "engine/media/Anm.h"
#include "engine/media/Sound.h"
#include "engine/media/SpriteTable.h"

#include <algorithm>

TSprite::TSprite(TJorpOwner* owner)
    : TJorpBase(owner), AnmList(std::make_unique<TAnmList>(owner, this)),
      WavList(std::make_unique<TWavList>(owner, this)),
      Table(std::make_unique<TSpriteTable>(owner, this)) {}

TSprite::TSprite(TJorpOwner* owner, const TFileMode& mode)
    : TJorpBase(owner, 0, mode), AnmList(std::make_unique<TAnmList>(owner, this)),
      WavList(std::make_unique<TWavList>(owner, this)) {
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(GetExtension());
}

// The table first, then the waves, then the animations.
TSprite::~TSprite() {
    Table.reset();
    WavList.reset();
    AnmList.reset();
}

void TSprite::LoadEmbedded(TEmbeddedAddress address) {
    LoadAt(address, true);
    SetHome();
    if (Table)
        BuildMembers();
    FreeSetupData();
}

void TSprite::AttachNamed(bool load, bool keep) {
    AttachFile(FileMode, load, keep);
    SetHome();
    if (!Table)
        JorpFatalError(this, "(Sprite Table == NULL) when needed to createlists",
                       "Fatal Error - Sprite Ctor");
    BuildMembers();
    FreeSetupData();
}

void TSprite::SetHome() {
    HomeX = X;
    HomeY = Y;
    HomeZ = Z;
}

void TSprite::BuildMembers() {
    if (Table)
        Table->LoadCells();
}

void TSprite::FreeSetupData() {
    if (HasFlags(JOF_SETUP_FREED))
        return;
    Table.reset();
    SetFlags(JOF_SETUP_FREED);
}

void TSprite::SetFileName(const TJorpFileName& name) {
    FileMode.Name = name;
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(GetExtension());
}

void TSprite::SetPosition(const TGrPoint& p) {
    X = p.x;
    Y = p.y;
    Z = p.z;
}

// Every sprite in use is passed twice a frame, most of them at rest: a settled picture list
// and an empty wave list would do nothing with the pass, so they are not called.
void TSprite::Tick(u32 tick) {
    TJorpBase::Tick(tick);
    if ((Flags & (JOF_TIMED_ON | JOF_STOP_REQUESTED)) != 0)
        return;
    if (!AnmList->IsSettled())
        AnmList->Tick(tick);
    if (WavList->GetLastIndex() >= 0)
        WavList->Tick(tick);
}

void TSprite::PostTick(u32 tick) {
    TJorpBase::PostTick(tick);
    if ((Flags & (JOF_TIMED_ON | JOF_STOP_REQUESTED)) != 0)
        return;
    if (!AnmList->IsSettled())
        AnmList->PostTick(tick);
    if (WavList->GetLastIndex() >= 0)
        WavList->PostTick(tick);
}

void TSprite::Play(u32 tick) {
    Start();
    AnmList->Play(tick);
    if (!HasFlags(SPF_DRIVEN))
        WavList->Play(tick);
}

void TSprite::Start() {
    TJorpBase::Start();
    ClearFlags(SPF_ANMS_DONE | SPF_WAVS_DONE);
}

void TSprite::Stop() {
    AnmList->Stop();
    WavList->Stop();
    TJorpBase::Stop();
    SetFlags(SPF_ANMS_DONE | SPF_WAVS_DONE);
}

void TSprite::Show() {
    SetFlags(JOF_SHOWN);
    AnmList->Show();
    WavList->Show();
}

void TSprite::Hide() {
    ClearFlags(JOF_SHOWN);
    AnmList->Hide();
    WavList->Hide();
}

void TSprite::Acquire(u32 tick) {
    ++UseCount;
    AnmList->Acquire(tick);
    WavList->Acquire(tick);
}

void TSprite::Release() {
    AnmList->Release();
    WavList->Release();
    if (UseCount > 0)
        --UseCount;
}

TAnm* TSprite::NewAnm(const TFileMode& mode, const TAnmData& frameData) {
    return TAnm::Create(Owner, mode, frameData, false, true).release();
}

TWav* TSprite::NewWav(const TFileMode& mode, i16 duration) {
    return new TWav(Owner, mode, duration > 0 ? duration : i16{0}, false, true);
}

void TSprite::ClearStartDelays() {
    AnmList->SetMembersStartDelay(0);
    WavList->SetMembersStartDelay(0);
    SetFlags(SPF_DRIVEN);
}

void TSprite::ReadDriven(TEmbeddedAddress address) {
    if (address.IsNull())
        AttachNamed(true, false);
    else
        LoadEmbedded(address);
    ClearStartDelays();
    SetFlags(JOF_START_NOW);
}

u32 TSprite::CalcDuration() const {
    return 1 + std::max(AnmList->GetLastExtent(), WavList->GetLastExtent());
}

bool TSprite::AddAnm(TAnm* anm) {
    if (anm == nullptr)
        return false;
    if (AnmList->Add(anm))
        return true;
    delete anm;
    return false;
}

bool TSprite::AddWav(TWav* wav) {
    if (wav == nullptr)
        return false;
    if (WavList->AddWav(wav))
        return true;
    delete wav;
    return false;
}

TAnm* TSprite::GetAnm(i16 index) const {
    return AnmList->GetAnm(index);
}

TWav* TSprite::GetWav(i16 index) const {
    return WavList->GetWav(index);
}

void TSprite::FatalSetup(const std::string& name, const std::string& description, i16 number,
                         const std::string& caption) {
    std::string text = "Sprite name: " + name + "\n Sprite file name: " + FileMode.Name.GetText() +
                       "\n Description: \n" + description;
    if (number >= 0)
        text += "\n Num: " + std::to_string(number);
    text += "\n Exiting Program";
    JorpFatalError(this, text, caption);
}

void TSprite::FatalAnmSetup(const std::string& name, const std::string& description, i16 number) {
    FatalSetup(name, description, number, "Fatal Error - Anm Setup");
}

void TSprite::FatalWavSetup(const std::string& name, const std::string& description, i16 number) {
    FatalSetup(name, description, number, "Fatal Error - Wav Setup");
}

i16 TSprite::GetAnmFrame(i16 index) const {
    const TAnm* anm = GetAnm(index);
    return anm != nullptr ? static_cast<i16>(anm->GetCurrentData().CurrentFrame) : i16{-1};
}

void TSprite::SetAnmFrame(u16 frame, i16 index) {
    if (TAnm* anm = GetAnm(index))
        anm->GetCurrentData().CurrentFrame = frame;
}

void TSprite::PlayWavAt(i16 index) {
    if (TWav* wav = GetWav(index))
        wav->Play(OwnerTick());
}

bool TSprite::AdjustUse(i16 n) {
    // Needed a few frames from now: animations may put off reading their images.
    for (i16 i = 0; i < n; ++i)
        Acquire(OwnerTick() + 63);
    for (i16 i = 0; i > n; --i)
        Release();
    return true;
}

void TSprite::SetAnmFileModes(u8 first, u8 second) {
    AnmList->SetMemberFileModes(first, second);
}

void TSprite::SetWavFileModes(u8 first, u8 second) {
    WavList->SetMemberFileModes(first, second);
}

void TSprite::AnchorAnmsAtHome() {
    AnmList->SetOffset(GetHome());
}

bool TSprite::AddAnmByName(const TFileMode& mode, i16 z) {
    return AnmList->AddNew(mode, z);
}

bool TSprite::AddAnmByNameAt(const TFileMode& mode, i16 x, i16 y, i16 z) {
    return AnmList->AddNew(mode, x, y, z);
}

bool TSprite::AddWavByName(const TFileMode& mode, i16 duration) {
    return WavList->NewWav(mode, duration);
}
