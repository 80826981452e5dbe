// The dealer behind the table and the shooter's dice: the beats skits are made of, each one a
// sprite of the lord's list (a gesture, and the line spoken with it), and the figure they draw.
#pragma once

#include "tools/databuild/model/DataSet.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// What one sprite of a skit shows.
enum class TGesture : u8 {
    // Stands and speaks, the free hand moving with the words, at least Arg ticks (0: six; one
    // when brisk).
    Talk,
    // Pushes the dice with the stick to the shooter of seat Arg; they arrive on the last tick,
    // when the program shows its own dice there.
    PushDice,
    // Slides the puck from the don't-come box onto number box Arg (0-5: 4, 5, 6, 8, 9, 10),
    // letting go of it at PuckTick(Arg), when the program shows it ON. Arg -1 (the point is not
    // known): to the middle of the numbers, let go of at the first tick the program may show it.
    MarkPuck,
    // Takes the puck off number box Arg (-1: the point is not known, from the middle of the
    // numbers) at tick 3 and lays it in the don't-come box two ticks before the end, as the
    // program hides and shows it.
    LiftPuck,
    // Rakes the losers in: the stick reaches the layout by tick 4, when they leave it.
    Sweep,
    // Slides a stack of chips toward seat Arg (-1: the middle of the rail).
    Pay,
    // The dice rattling in the hand of seat Arg's shooter.
    Shake,
    // The dice flying from seat Arg to the back wall.
    Throw,
    // The dice bouncing off the back wall to rest in landing place Arg (0-2), where the program
    // shows the big dice on the last tick.
    Land,
};

// The sprite set each beat belongs to: the dealer's figure stops idling while a beat of set 1
// plays; the dice have a set of their own.
constexpr u16 DEALER_SET = 1;
constexpr u16 DICE_SET = 2;

struct TBeat {
    TGesture Gesture = TGesture::Talk;
    i32 Arg = 0;
    // What the dealer says with it; empty is silent.
    std::string Line;
    // Made in as few ticks as the program's own moments in it allow (the fastest speed's);
    // a talking beat then lasts its line, not a tick more.
    bool Brisk = false;
};

// A beat made into a sprite: its name, length in ticks (its skit cell's duration), set, and
// the number of waves it plays.
struct TBeatSprite {
    std::string Name;
    u32 Ticks = 0;
    u16 Set = 0;
    u16 Waves = 0;
};

// The beat's sprite in the table's sprite list, at least minTicks long, made on first use and
// shared by every skit that plays the same beat.
TBeatSprite BeatSprite(TDataSet& set, const TBeat& beat, u32 minTicks = 0);
bool OnDiceTrack(TGesture gesture);
// How the name of every beat sprite of a gesture begins.
std::string GestureSpriteStart(TGesture gesture);
// The tick of a PlaceMark skit at which the program sets the puck on number box 0-5.
u32 PuckTick(int box);

// The set-1 idle alternatives and the sets of the lord's list.
void AddDealer(TDataSet& set);

// ---- The figure: one frame of the dealer (and whatever he handles) over the table.

// What the stick or a hand carries.
enum class TCarried : u8 { Nothing, PuckOff, PuckOn, Dice, Chips };

struct TDealerPose {
    // The head tilts sideways by Lean pixels; Look turns the eyes (-1 left .. 1 right).
    double Lean = 0;
    double Look = 0;
    bool MouthOpen = false;
    // The hands on the screen: [0] the figure's left of the screen, [1] the stick hand.
    std::array<double, 2> HandX{};
    std::array<double, 2> HandY{};
    // The stick runs from the stick hand to its tip.
    bool Stick = true;
    double TipX = 0;
    double TipY = 0;
    TCarried Carried = TCarried::Nothing;
    double CarriedX = 0;
    double CarriedY = 0;
    // Dice faces when dice are carried or fly.
    std::array<int, 2> Faces{3, 4};
};

// The dealer standing at rest.
TDealerPose RestPose();

// The frames of one animation: every frame cut to the same rectangle, hotspot at its top left;
// Left and Top are where that corner goes on the screen.
struct TFigureFrames {
    std::vector<TAnmFrameSource> Frames;
    i32 Left = 0;
    i32 Top = 0;
};

// A colour in true colour, before the palette.
struct TTrueRgb {
    double R, G, B;
};

// The background's pixels, so that every edge is blended with what lies under it.
class TFigureArtist {
public:
    explicit TFigureArtist(const TDataSet& set);

    // The torso, one frame that stands still under every gesture.
    const TFigureFrames& Torso() const { return TorsoFrames; }
    // A frame per pose of the dealer: whole, or his head and the rest apart (a head that
    // talks over arms that hold still costs a small frame a tick).
    TFigureFrames Dealer(const std::vector<TDealerPose>& poses);
    TFigureFrames Head(const std::vector<TDealerPose>& poses);
    TFigureFrames Body(const std::vector<TDealerPose>& poses);
    // Only the carried things of each pose, with the shooter's hand when Shake is set: the
    // dice's flight and the shooter's fist.
    TFigureFrames Dice(const std::vector<TDealerPose>& poses, bool fist);

private:
    std::vector<TTrueRgb> Plain;
    std::vector<TTrueRgb> WithTorso;
    TFigureFrames TorsoFrames;
};

// An animation of the table's folder as a member of the sprite, its frames made the first time
// any sprite plays it: animations are shared by name, and where each one goes is kept with it.
void AddMember(TDataSet& set, TSpriteModel& sprite, const std::string& file, i16 z, u32 length,
               i16 direction, const std::function<TFigureFrames()>& make, u16 row = 0);

// The artist of the set's background, made once.
TFigureArtist& FigureArtist(const TDataSet& set);
