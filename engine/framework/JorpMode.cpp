// TJorpMode: the mode file's three layouts, the 2.1 writer, and the mode's graphics and list.
#include "JorpMode.h"

#include "engine/framework/DataFiles.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModeWindow.h"

#include <array>

namespace {

// The default mode's background name: it is never opened.
constexpr const char* DefaultBackgroundName = "defmode.bmp";

// Counts of listed objects are 16-bit places in the engine.
constexpr u16 MaxObjects = 0x7FFF;

} // namespace

TJorpMode::TJorpMode(TJorpModeWindow* window, const std::string& name, bool plain, u16 plainColour)
    : TJorpBase(window), Window(window), Plain(plain), PlainColour(plainColour) {
    if (Window != nullptr)
        Window->SetMode(this);
    AttachFile(TFileMode(TJorpFileName(name), 0, FM_LEVEL_NOW, 0), true, false);
}

TJorpMode::TJorpMode(TJorpModeWindow* window, bool plain, u16 plainColour)
    : TJorpBase(window), Window(window), Plain(plain), PlainColour(plainColour) {
    if (Window != nullptr)
        Window->SetMode(this);
    BackgroundName = DefaultBackgroundName;
    CreatePalette();
    LoadBackground();
    CreateScreenMgr();
    LoadGObjList();
}

TJorpMode::TJorpMode(int, const TFileMode& mode)
    : TJorpBase(nullptr, 0, mode), Window(nullptr), Plain(false), PlainColour(0) {
    FileMode.Name.SetExtension(GetExtension());
}

TJorpMode::~TJorpMode() {
    DeleteGObjList();
    DeleteScreenMgr();
    DeleteBackground();
    DeletePalette();
    if (Window != nullptr && Window->GetMode() == this)
        Window->SetMode(nullptr);
}

std::string TJorpMode::GetExtension() const {
    return ".m";
}
void TJorpMode::SetMajorVersion() {
    HeaderMajor = 2;
}
void TJorpMode::SetMinorVersion() {
    HeaderMinor = 1;
}
const char* TJorpMode::GetHeaderId() const {
    return "MODE";
}

bool TJorpMode::ReadBackgroundName(bool nineByteName) {
    if (nineByteName) {
        if (!ReadName9(BackgroundName))
            return false;
        BackgroundName += ".bmp";
        return true;
    }
    return ReadString(BackgroundName);
}

bool TJorpMode::ReadObjectEntries(bool nineByteNames) {
    u16 count = 0;
    if (!ReadU16(count) || count > MaxObjects || GObjList == nullptr)
        return false;
    GObjList->AllocPending(static_cast<i16>(count));
    for (u16 i = 0; i < count; ++i) {
        std::string name;
        if (nineByteNames) {
            std::string stored;
            if (!ReadName9(stored))
                return false;
            TJorpFileName file;
            file.SetName(stored);
            file.SetPathFrom(stored);
            file.SetExtension(".go");
            name = file.GetText();
        } else if (!ReadString(name)) {
            return false;
        }
        GObjList->SetPendingName(static_cast<i16>(i), name);
    }
    return GObjList->CreateMembers(0);
}

bool TJorpMode::ReadBody() {
    const bool v1 = HeaderMajor == 1;
    const bool v20 = HeaderMajor == 2 && HeaderMinor == 0;
    const bool v21 = HeaderMajor == 2 && HeaderMinor == 1;
    if (!v1 && !v20 && !v21)
        return false;
    if (!ReadI16(GameType) || !ReadBackgroundName(v1))
        return false;
    CreatePalette();
    LoadBackground();
    CreateScreenMgr();
    if (v21) {
        if (!ReadString(GObjListName))
            return false;
        const bool named = !GObjListName.empty();
        LoadGObjList();
        // A mode whose objects could not be read cannot run; one without a list has none.
        return !named || (GObjList != nullptr && GObjList->HasFlags(JOF_LOADED));
    }
    // The older layouts list the objects themselves: the list is made empty, then given them.
    LoadGObjList();
    return ReadObjectEntries(v1);
}

bool TJorpMode::WriteBody() {
    if (!WriteI16(GameType) || !WriteString(BackgroundName) || !WriteString(GObjListName))
        return false;
    if (GObjList != nullptr)
        GObjList->SaveIfNeeded();
    return true;
}

bool TJorpMode::SaveIfNeeded() {
    return Save(nullptr);
}

void TJorpMode::CheckGameObjects() {
    if (Window != nullptr)
        Window->CheckGameObjects();
}

bool TJorpMode::RefreshPalette() {
    if (!ScreenMgr)
        return false;
    // The surface draws through its palette source: it lets go of the old palette before
    // that palette goes, so that a palette that cannot be made again leaves none behind.
    ScreenMgr->SetPalette(nullptr);
    CreatePalette();
    if (!Palette)
        return false;
    ScreenMgr->SetPalette(Palette.get());
    return true;
}

void TJorpMode::LoadGObjList() {
    if (GObjList != nullptr)
        return;
    if (GObjListName.empty()) {
        TFileMode file = FileMode;
        file.Name.SetExtension(".gol");
        GObjListName = file.Name.GetText();
        new TGObjList(Window, this, file);
        return;
    }
    const TFileMode file(TJorpFileName(GObjListName), 0, FM_LEVEL_NOW, 0);
    // A list missing from the data set is not looked for on the CD: it stays unread, and
    // the mode with it.
    JorpDataFileMustNotBeOther(GObjListName);
    if (!JorpDataFileExists(GObjListName)) {
        new TGObjList(Window, this, file);
        return;
    }
    TGObjList::CreateFromFile(Window, this, file);
}

void TJorpMode::AllocWindowObjects(i16 n) {
    if (n > 0 && Window != nullptr)
        Window->AllocObjectTable(static_cast<i16>(n - 1));
}

bool TJorpMode::ChangeBackground(const TJorpFileName& name) {
    // The surface lets go of the old background before it is deleted.
    if (ScreenMgr)
        ScreenMgr->SetBackground(nullptr);
    DeleteBackground();
    BackgroundName = name.GetText();
    if (LoadBackground() && ScreenMgr)
        return ScreenMgr->SetBackground(Background.get());
    return false;
}

void TJorpMode::GameTypeFromName(const std::string& name) {
    static const std::array<const char*, 7> names{"slots",    "keno", "craps", "roulette",
                                                  "vidpoker", "bj",   "poker"};
    GameType = JGT_NONE;
    for (size_t i = 0; i < names.size(); ++i)
        if (name == names[i])
            GameType = static_cast<i16>(i + 1);
}

void TJorpMode::CreatePalette() {
    DeletePalette();
    // Every mode uses the game's palette, named by the game file: the palette the window
    // was given, else the application's.
    TPalFace* game = Window != nullptr ? Window->GetAppPalette() : nullptr;
    if (game == nullptr && TJorpApp::GetApp() != nullptr)
        game = TJorpApp::GetApp()->GetPalette();
    if (game == nullptr)
        return;
    Palette = TMediaMaker::Get().MakePal(Window, game->GetBase().GetFileMode(), true, true);
}

bool TJorpMode::LoadBackground() {
    if (Background)
        return false;
    if (Plain || BackgroundName.empty()) {
        i16 x = 0, y = 0, w = static_cast<i16>(JorpGameAreaWidth),
            h = static_cast<i16>(JorpGameAreaHeight);
        if (Window != nullptr) {
            x = static_cast<i16>(Window->Attr.X);
            y = static_cast<i16>(Window->Attr.Y);
            w = static_cast<i16>(Window->Attr.W);
            h = static_cast<i16>(Window->Attr.H);
        }
        Background =
            TMediaMaker::Get().MakeBmpMono(Window, x, y, w, h, static_cast<u8>(PlainColour & 0xFF));
        return true;
    }
    // A bitmap missing from the data set is not looked for on the CD: the mode goes on
    // without a background.
    JorpDataFileMustNotBeOther(BackgroundName);
    if (!JorpDataFileExists(BackgroundName))
        return false;
    std::unique_ptr<TBmpFace> bitmap = TMediaMaker::Get().MakeBmp(
        Window, TFileMode(TJorpFileName(BackgroundName), 0, FM_LEVEL_NOW, 0), true, true);
    if (!bitmap)
        return false;
    TBmpFace* made = bitmap.get();
    const bool loaded = !made->GetBase().HasFlags(JOF_NO_IMAGE);
    Background = std::move(bitmap);
    if (Window != nullptr && Window->WantsFizzle()) {
        TApplication* app = TApplication::GetCurrent();
        auto* frame =
            app != nullptr ? dynamic_cast<TJorpGameFrameWindow*>(app->GetMainWindow()) : nullptr;
        if (frame != nullptr && frame->TakeFizzleOnce()) {
            Window->SetFizzleDone();
            Window->FizzleScreen(made);
        }
    }
    return loaded;
}

void TJorpMode::CreateScreenMgr() {
    if (ScreenMgr)
        return;
    ScreenMgr = TMediaMaker::Get().MakeScreenMgr(Window, Background.get(), Palette.get());
}

void TJorpMode::DeleteGObjList() {
    delete GObjList;
    GObjList = nullptr;
}

void TJorpMode::DeleteScreenMgr() {
    ScreenMgr.reset();
}

void TJorpMode::DeleteBackground() {
    Background.reset();
}

void TJorpMode::DeletePalette() {
    Palette.reset();
}
