// TCasMessageDisplay: the table's message board, a sprite of a message picture, a payout icon and
// an amount in digit pictures.
#pragma once

#include "casino/CasAmountLayout.h"
#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

// Message numbers of the board: 52 to 92 are the bet spots' own ids (their payouts), 152 to
// 155 the odds of the four line bets.
using TCasMessageId = u32;

// Every show starts from a hidden board, so the board holds one message with at most one icon
// and one amount. It is read in two steps, since its parts are members its file builds:
// construct, then Build (Make does both).
class TCasMessageDisplay : public TSprite {
public:
    static constexpr i16 PartCount = 16;
    static constexpr i16 MessagePart = 14;
    static constexpr i16 IconPart = 15;

    // From its own ".sp" file...
    TCasMessageDisplay(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCasMessageDisplay(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCasMessageDisplay() override;

    template <class... Args> static std::unique_ptr<TCasMessageDisplay> Make(Args&&... args) {
        auto board = std::make_unique<TCasMessageDisplay>(std::forward<Args>(args)...);
        board->Build();
        return board;
    }
    // Reads the sprite, hides it, silences its timeline and pins its parts. A sprite without
    // the sixteen parts ends the program.
    void Build();

    // sumIndex is the dice total less 2, -1 when there is none; it picks some payout icons.
    void ShowMessage(TCasMessageId id, TMoney amount, i32 sumIndex);
    // The second message set, ids 0 to 43; the trailing flag is accepted and has no effect.
    void ShowMessageSet2(TCasMessageId id, TMoney amount, u32 flag = 0);
    void ShowFrame(u16 frame);
    // Frame 52 also shows the amount with the icon's first (flag zero) or second frame.
    void ShowFrameAmount(u32 frame, TMoney amount, u8 flag);
    void HideAll();
    void ShowAmount(TMoney amount, u8 showIcon);
    // Icon numbers name payout ratios; 0 and numbers above 16 leave the icon as it is.
    void SetIcon(u32 iconNumber);
    // The icon number of a payout by its dice total (negative for the lay side), or by
    // 100 x total for the field.
    static u32 NumberIcon(i64 n);
    void BindParts();

    TAnm* GetMessage() const { return Message; }
    TAnm* GetIcon() const { return Icon; }
    TAnm* GetPlace(int k) const { return Amount.GetPlace(k); }
    TAnm* GetSeparator(int j) const { return Amount.GetSeparator(j); }

private:
    void SetMessageFrame(u32 frame);
    void SetIconFrame(u16 frame);
    // The icon number of a payout message (52 to 92) on a roll of that total.
    static u32 PayoutIcon(TCasMessageId id, i64 total);

    TAnm* Message = nullptr;
    TAnm* Icon = nullptr;
    TCasAmountLayout Amount;
    // Null for a board that reads its own file.
    TEmbeddedAddress Address;
};
