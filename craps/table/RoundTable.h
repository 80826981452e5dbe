// TCRoundTable: what the round states do to the lord's table beyond its public operations, and
// TCLordRoundTable, the lord's own.
#pragma once

#include "platform/host/Types.h"

class TCBetPayOff;
class TCPuck;
class TCasButton;
class TCasCashDisplay;
class TCasChips;
class TCasMessageDisplay;
class TCasinoCGameLord;
class TModeWindowApi;

class TCRoundTable {
public:
    // Betting opens with the roll area taking clicks again and closes for the roll.
    virtual void OpenBetting() = 0;
    virtual void CloseBetting() = 0;
    // 1 while clicks on the spots put chips down, 0 while they take them back.
    virtual void SetPlacingBets(u8 placing) = 0;
    // The dealer's stall count starts again whenever the table stirs.
    virtual void ResetStalls() = 0;
    // The shooter's first shake, then each further one.
    virtual void FirstShake() = 0;
    virtual void CountShake() = 0;
    // From the pick-up on, leaving the table ends the sessions instead of taking bets down.
    virtual void ArmSessionClose() = 0;
    // The board's message between the others.
    virtual i16 GetStandingMessage() const = 0;
    virtual void SetStandingMessage(i16 message) = 0;
    virtual void EndFirstRoll() = 0;
    virtual void SetWinningSpot(i16 spot) = 0;
    // A point set on the come-out ends the come-out; a point made or sevened out clears it.
    virtual void EndComeOut() = 0;
    virtual void ClearPoint() = 0;
    // 1 for the first state the table made, then one more for each.
    virtual u32 NextStateSerial() = 0;

    // The table's sprites; each may be missing (a table still being bound, a test's table).
    virtual TCasButton* Button(i16 button) const = 0;
    virtual TCasMessageDisplay* Board() const = 0;
    virtual TCasCashDisplay* BankDisplay() const = 0;
    virtual TCasChips* Chips() const = 0;
    virtual TCPuck* Puck() const = 0;
    virtual TCBetPayOff* PayOff() const = 0;
    // The mode window that runs the table, or null.
    virtual TModeWindowApi* Window() const = 0;

protected:
    ~TCRoundTable() = default;
};

// The lord's fields behind the round's operations; the lord holds one for its states.
class TCLordRoundTable final : public TCRoundTable {
public:
    explicit TCLordRoundTable(TCasinoCGameLord& lord) : Lord(lord) {}
    TCLordRoundTable(const TCLordRoundTable&) = delete;
    TCLordRoundTable& operator=(const TCLordRoundTable&) = delete;

    void OpenBetting() override;
    void CloseBetting() override;
    void SetPlacingBets(u8 placing) override;
    void ResetStalls() override;
    void FirstShake() override;
    void CountShake() override;
    void ArmSessionClose() override;
    i16 GetStandingMessage() const override;
    void SetStandingMessage(i16 message) override;
    void EndFirstRoll() override;
    void SetWinningSpot(i16 spot) override;
    void EndComeOut() override;
    void ClearPoint() override;
    u32 NextStateSerial() override;

    TCasButton* Button(i16 button) const override;
    TCasMessageDisplay* Board() const override;
    TCasCashDisplay* BankDisplay() const override;
    TCasChips* Chips() const override;
    TCPuck* Puck() const override;
    TCBetPayOff* PayOff() const override;
    TModeWindowApi* Window() const override;

private:
    // Registers or unregisters the click regions that go with the roll area.
    void SetRollAreaTaking(bool taking);

    TCasinoCGameLord& Lord;
};
