// TCAsk: builds the advisor's text from the advice strings and shows it in the Expert's dialog.
#pragma once

#include "platform/host/Types.h"

#include <string>

class TCasinoCGameLord;

class TCAsk {
public:
    static constexpr i16 BadBetTopicCount = 18;
    static constexpr i16 FreeOddsTopicCount = 5;
    // The most of one advice string that is kept.
    static constexpr size_t MaxStringLength = 255;

    explicit TCAsk(TCasinoCGameLord* owner) : Owner(owner) {}

    // Each builds the text and shows it. A topic with nothing to say (0, or one outside its
    // range) gets the general advice rather than whatever was built last time.
    void GetBadBetAdvice(i16 topic);
    void GetFreeOddsAdvice(i16 topic);
    void GetGeneralAdvice();

    const std::string& GetText() const { return Text; }

    // The advice strings of a topic: first id and count; a count of 0 outside the range.
    static u32 BadBetFirstString(i16 topic);
    static u32 FreeOddsFirstString(i16 topic);
    static u16 FreeOddsStringCount(i16 topic);

private:
    void Build(u32 first, u16 count);
    // Through the frame window, with the table paused while the dialog is up; without a frame
    // (no program running) the text is only kept.
    void Show() const;

    TCasinoCGameLord* Owner;
    std::string Text;
};
