// TModeWindowApi: what the states, game objects and player manager running inside a mode
// window ask of it.
#pragma once

#include "engine/framework/ResponderHost.h"
#include "platform/host/Types.h"

#include <string>

class TGameObject;
class TPlayerMgr;
struct TFileMode;

// The mode window itself is built on the window framework; its states and responders only
// need its responder list, its handle, the responder cursor and its frame tick, so they see
// it through this face and can run under a stand-in window.
class TModeWindowApi : public TResponderHost {
public:
    // Builds one frame when one is due; true when a frame was built.
    virtual bool FrameTick() = 0;

    // The responder under the mouse hears of the mouse entering it again, so that what it
    // shows follows a change of play while the mouse stands still. Nothing without a list or
    // with no responder under the mouse.
    void PokeHoverResponder();

    // Game objects, their list and the player manager see the window through the rest. A
    // window without game objects answers as one whose list is empty: no member, no sprite,
    // nothing started, players may change.

    // +1 the skit condition holds, -1 it does not, 0 unknown.
    virtual i32 TestSkitCondition(u16) { return 0; }
    // The index of the member of that file name in the mode's list; -1 for none.
    virtual i16 GetGameObjectIndex(const std::string&) const { return -1; }
    // The index of the named sprite in member `object`'s sprite list; -1 for none.
    virtual i16 GetSpriteIndex(i16, const std::string&) const { return -1; }
    virtual u32 GetSpriteDuration(i16, i16) const { return 0; }
    virtual bool CanActivateSprite(i16, i16, u32) { return false; }
    virtual bool UseSprite(i16, i16, u32) { return false; }
    // The game object of a list entry (index and data are the entry's value and flag); the
    // caller owns it. Null when nothing could be made.
    virtual TGameObject* CreateGameObject(const TFileMode&, i16, u32) { return nullptr; }
    // Deletes an object the list let go; false for null.
    virtual bool DeleteGameObject(TGameObject* object);
    // Runs once the list has made, resolved and acquired all its members.
    virtual void CheckGameObjects() {}
    // The table of seat players: n empty places.
    virtual void AllocObjectTable(i16) {}
    // The frame's player manager; null without one.
    virtual TPlayerMgr* GetPlayerMgr() const { return nullptr; }
    // The game lord's answer; true without one.
    virtual bool CanChangePlayers() { return true; }
    // The seat players, then the game lord, hear of a player taking a seat; the game lord,
    // then the seat players, of one leaving it.
    virtual void OnPlayerActivated(i16) {}
    virtual void OnPlayerDeactivated(i16) {}
};
