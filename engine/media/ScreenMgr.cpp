// The screen manager: makes and deletes its surface and responders, and the window registry.
#include "engine/media/ScreenMgr.h"

#include "engine/foundation/JorpOwner.h"
#include "engine/framework/ResponderHost.h"
#include "engine/framework/ResponderList.h"
#include "engine/media/VideoWinG.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TJorpScreenMgr*>& Live() {
    static std::vector<TJorpScreenMgr*> managers;
    return managers;
}

} // namespace

TJorpScreenMgr::TJorpScreenMgr(TResponderHost* window, TGr* background, TPal* palette)
    : Window(window) {
    Live().push_back(this);
    CreateResponders();
    CreateVideo(window, background, palette);
}

TJorpScreenMgr::~TJorpScreenMgr() {
    DeleteResponders();
    DeleteVideo();
    Window = nullptr;
    std::erase(Live(), this);
}

bool TJorpScreenMgr::CreateVideo(TResponderHost* window, TGr* background, TPal* palette) {
    Video = std::make_unique<TVideoWinG>(window, background, palette, 0, 0);
    Video->Setup();
    return true;
}

bool TJorpScreenMgr::DeleteVideo() {
    Video.reset();
    return true;
}

bool TJorpScreenMgr::CreateResponders() {
    Responders = std::make_unique<TResponderList>(Window);
    return true;
}

bool TJorpScreenMgr::DeleteResponders() {
    Responders.reset();
    return true;
}

bool TJorpScreenMgr::SetBackground(TGr* background) {
    if (!Video)
        return false;
    return Video->SetBackground(background);
}

bool TJorpScreenMgr::SetPalette(TPal* palette) {
    if (!Video)
        return false;
    return Video->SetPaletteSource(palette);
}

TJorpScreenMgr* TJorpScreenMgr::ForOwner(const TJorpOwner* owner) {
    // The mode window is both the owner of its graphics and the responder host of its screen
    // manager; the cast crosses from one face to the other.
    const auto* window = dynamic_cast<const TResponderHost*>(owner);
    if (window == nullptr)
        return nullptr;
    const std::vector<TJorpScreenMgr*>& managers = Live();
    for (auto it = managers.rbegin(); it != managers.rend(); ++it)
        if ((*it)->Window == window)
            return *it;
    return nullptr;
}
