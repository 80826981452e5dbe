// TOTCrapsIntroGameLord: the intro's lord: it plays the intro animation and asks for the
// table when the animation ends or the player clicks or types.
#pragma once

#include "casino/CasinoGameLord.h"

#include <memory>

class TOTCrapsIntroModeWin;
class TResponder;

class TOTCrapsIntroGameLord : public TCasinoGameLord {
public:
    explicit TOTCrapsIntroGameLord(TOTCrapsIntroModeWin* window);
    ~TOTCrapsIntroGameLord() override;

    // The lord of the game-object file with its animation loaded and its click region set.
    static std::unique_ptr<TOTCrapsIntroGameLord> Create(TOTCrapsIntroModeWin* window,
                                                         const TFileMode& file);

    // A release of either button or a key ends the intro; a press alone does not.
    i32 EvResponder(TResponder* responder) override;
    void Tick(u32 tick) override;
    virtual void StartIntro();

    u32 GetEndTick() const { return EndTick; }
    // Whether the intro has asked for the table.
    bool HasEnded() const { return Ended; }

private:
    // The second step after the file is read: the sprite list, the region, the start.
    void Setup();
    // Asks once: the request stays queued until the switch, and a repeat would only queue
    // another switch behind it.
    void End();

    TOTCrapsIntroModeWin* Window;
    TJorpBase* IntroSprite = nullptr;
    u32 EndTick = 0;
    std::unique_ptr<TResponder> WholeWindow;
    bool Ended = false;
};
