// TJorpModeWindow: its game objects: making and deleting them, the game lord, the seat
// players' table and the seat notices.
#include "ModeWindow.h"

#include "engine/framework/GObjList.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/GameLord.h"
#include "engine/framework/Player.h"

#include <algorithm>

TGameObject* TJorpModeWindow::CreateGameObject(const TFileMode& file, i16, u32) {
    return TGameObject::CreateLoaded(this, file, true, false).release();
}

bool TJorpModeWindow::DeleteGameObject(TGameObject* object) {
    if (object == nullptr)
        return false;
    if (object == MainGameObject)
        MainGameObject = nullptr;
    std::replace(ObjectTable.begin(), ObjectTable.end(), object,
                 static_cast<TGameObject*>(nullptr));
    delete object;
    return true;
}

TGameObject* TJorpModeWindow::GetGameObject(i16 n) const {
    const TGObjList* list = GetGObjList();
    return list != nullptr ? list->GetMember(n) : nullptr;
}

i16 TJorpModeWindow::GetSpriteIndex(i16 object, const std::string& name) const {
    TGameObject* member = GetGameObject(object);
    return member != nullptr ? member->FindSpriteIndex(name) : i16{-1};
}

TGameLord* TJorpModeWindow::GetMainGameObject() const {
    // The list deletes its members with the mode: a lord that is no longer a member is gone.
    const TGObjList* list = GetGObjList();
    if (MainGameObject == nullptr || list == nullptr)
        return nullptr;
    for (i16 i = 0; i <= list->GetLastIndex(); ++i)
        if (list->GetAt(i) == MainGameObject)
            return MainGameObject;
    return nullptr;
}

TGameObject* TJorpModeWindow::GetObjectTableEntry(i16 n) const {
    return n >= 0 && static_cast<size_t>(n) < ObjectTable.size()
               ? ObjectTable[static_cast<size_t>(n)]
               : nullptr;
}

TPlayerMgr* TJorpModeWindow::GetPlayerMgr() const {
    return Frame != nullptr ? Frame->GetPlayerMgr() : nullptr;
}

bool TJorpModeWindow::CanChangePlayers() {
    TGameLord* lord = GetMainGameObject();
    return lord == nullptr || lord->CanChangePlayers();
}

void TJorpModeWindow::OnPlayerActivated(i16 seat) {
    for (TGameObject* entry : ObjectTable)
        if (auto* player = dynamic_cast<TPlayer*>(entry))
            player->OnActivated(seat);
    if (TGameLord* lord = GetMainGameObject())
        lord->SetupSeat(seat);
}

void TJorpModeWindow::OnPlayerDeactivated(i16 seat) {
    if (TGameLord* lord = GetMainGameObject())
        lord->UpdateSeat(seat);
    for (TGameObject* entry : ObjectTable)
        if (auto* player = dynamic_cast<TPlayer*>(entry))
            player->OnDeactivated(seat);
}
