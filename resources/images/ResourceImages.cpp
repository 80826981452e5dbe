// The program's own pictures: loading screen, splash and About, credits, cursors and icon.
#include "resources/images/ResourceImages.h"

#include "resources/images/ResourceImagesCanvas.h"

namespace {

constexpr TRgb Felt{24, 112, 60};
constexpr TRgb FeltDark{8, 52, 28};
constexpr TRgb Wood{104, 58, 26};
constexpr TRgb WoodLight{150, 92, 44};
constexpr TRgb Gold{222, 182, 72};
constexpr TRgb Cream{250, 242, 214};
constexpr TRgb White{255, 255, 255};
constexpr TRgb Black{0, 0, 0};
constexpr TDieLook RedDie{{200, 28, 36}, {255, 255, 255}, {92, 8, 12}};
constexpr TDieLook IvoryDie{{248, 244, 232}, {24, 24, 24}, {90, 84, 70}};

const std::string Title1 = "Olbin Tevrani's";
const std::string Title2 = "Craps Pendrel 2001";

TResourcePicture Picture(TPictureKind kind, std::vector<u32> ids, const TRgbCanvas& canvas,
                         i32 hotX = 0, i32 hotY = 0) {
    return TResourcePicture{kind, std::move(ids), canvas.Width(), canvas.Height(),
                            hotX, hotY,           canvas.Argb()};
}

// The felt inside a wooden rail with a gold line: the frame of the larger pictures.
void TableFrame(TRgbCanvas& c) {
    const double w = c.Width();
    const double h = c.Height();
    c.VerticalGradient(0, 0, w, h, WoodLight, Wood);
    c.FillRoundRect(7, 7, w - 7, h - 7, 10, Gold);
    c.VerticalGradient(9, 9, w - 9, h - 9, Felt, FeltDark);
}

void ShadowedTitle(TRgbCanvas& c, double top, i32 size1, i32 size2) {
    const double mid = c.Width() / 2.0;
    c.TextCentred(mid + 1.5, top + 1.5, Title1, size1, true, Black);
    c.TextCentred(mid, top, Title1, size1, true, Cream);
    const double second = top + size1 * 1.3;
    c.TextCentred(mid + 1.5, second + 1.5, Title2, size2, true, Black);
    c.TextCentred(mid, second, Title2, size2, true, Gold);
}

// Two dice with a soft shadow, the pair that shows seven.
void DicePair(TRgbCanvas& c, double cx, double cy, double side) {
    c.FillEllipse(cx + side * 0.1, cy + side * 0.62, side * 1.45, side * 0.22,
                  Blend(FeltDark, Black, 0.4));
    DrawDie(c, cx - side * 0.62, cy, side, -0.25, 5, RedDie);
    DrawDie(c, cx + side * 0.66, cy + side * 0.08, side, 0.32, 2, RedDie);
}

TResourcePicture Loading() {
    TRgbCanvas c(412, 220);
    TableFrame(c);
    ShadowedTitle(c, 18, 18, 24);
    DicePair(c, 206, 105, 30);
    // A plain dark panel under the two gauge bars, the bars' names beside them.
    c.FillRoundRect(LOAD_BARS_LEFT - 8, LOAD_BARS_TOP - 8, c.Width() - 14, LOAD_BARS_BOTTOM + 8, 5,
                    Blend(Gold, Wood, 0.5));
    c.FillRoundRect(LOAD_BARS_LEFT - 7, LOAD_BARS_TOP - 7, c.Width() - 15, LOAD_BARS_BOTTOM + 7, 4,
                    Blend(FeltDark, Black, 0.55));
    c.FillRect(LOAD_BARS_LEFT, LOAD_BARS_TOP, LOAD_BARS_RIGHT, LOAD_BARS_TOP + 15,
               Blend(FeltDark, Black, 0.8));
    c.FillRect(LOAD_BARS_LEFT, LOAD_BARS_BOTTOM - 15, LOAD_BARS_RIGHT, LOAD_BARS_BOTTOM,
               Blend(FeltDark, Black, 0.8));
    c.Text(LOAD_BARS_RIGHT + 7, LOAD_BARS_TOP + 1, "Loading sprites", 11, false, Cream);
    c.Text(LOAD_BARS_RIGHT + 7, LOAD_BARS_BOTTOM - 14, "Loading skits", 11, false, Cream);
    c.TextCentred(206, 132, "Setting up the table...", 12, false, Cream);
    return Picture(TPictureKind::Bitmap, {4}, c);
}

TResourcePicture Splash() {
    TRgbCanvas c(400, 260);
    TableFrame(c);
    ShadowedTitle(c, 26, 24, 32);
    DicePair(c, 200, 145, 40);
    c.TextCentred(200, 196, "A casino craps table and trainer", 13, false, Cream);
    c.TextCentred(200, 216, "Version " OTCRAPS_VERSION "    Copyright \xA9 2001 Olbin Tevrani's",
                  11, false, Blend(Cream, Felt, 0.25));
    return Picture(TPictureKind::Bitmap, {5, 8}, c);
}

TResourcePicture Credits() {
    TRgbCanvas c(400, 300);
    TableFrame(c);
    c.TextCentred(201.5, 21.5, "Game Credits", 24, true, Black);
    c.TextCentred(200, 20, "Game Credits", 24, true, Gold);
    c.TextCentred(200, 54, Title1 + " " + Title2, 13, true, Cream);
    const std::pair<const char*, const char*> lines[] = {
        {"Design and programming", "the Craps Pendrel team"},
        {"Table, chips and dice", "the Craps Pendrel art desk"},
        {"The dealer's voice", "speech synthesis"},
        {"Sound effects and jingle", "synthesized"},
        {"Lettering", "the DejaVu fonts"},
        {"Tested by", "every player at the table"},
    };
    double y = 86;
    for (const auto& [role, who] : lines) {
        c.TextCentred(200, y, role, 11, false, Blend(Cream, Felt, 0.3));
        c.TextCentred(200, y + 14, who, 13, true, Cream);
        y += 33;
    }
    DrawDie(c, 40, 258, 26, -0.3, 6, RedDie);
    DrawDie(c, 360, 258, 26, 0.25, 1, RedDie);
    return Picture(TPictureKind::Bitmap, {9, 99}, c);
}

// The arrow every table cursor starts from, its tip on the hotspot (1, 1).
void Arrow(TRgbCanvas& c) {
    const TPoints arrow = {{0.6, 0.6},   {0.6, 19.5}, {5.2, 15.2}, {8.4, 22.2},
                           {11.6, 20.8}, {8.6, 14.2}, {14.6, 14.2}};
    c.FillPolygon(Inset(arrow, -0.6), Black);
    c.FillPolygon(Inset(arrow, 0.9), White);
}

// Three chips stacked at the lower right, light or dark, with a take-back disc when asked.
void ChipStack(TRgbCanvas& c, bool light, bool takeBack) {
    const TRgb face = light ? TRgb{246, 246, 240} : TRgb{72, 72, 84};
    const TRgb side = light ? TRgb{200, 200, 192} : TRgb{44, 44, 52};
    const TRgb edge = light ? TRgb{30, 30, 30} : TRgb{0, 0, 0};
    const TRgb stripe = light ? TRgb{210, 40, 40} : TRgb{120, 120, 130};
    const double cx = 23;
    for (i32 i = 0; i < 3; ++i) {
        const double top = 26 - 3.2 * i;
        c.FillEllipse(cx, top + 2.6, 8.2, 3.6, edge);
        c.FillRect(cx - 8.2, top, cx + 8.2, top + 2.6, edge);
        c.FillEllipse(cx, top + 2.4, 7.4, 2.9, side);
        c.FillRect(cx - 7.4, top, cx + 7.4, top + 2.4, side);
        c.FillRect(cx - 1.2, top + 0.6, cx + 1.2, top + 4.8, stripe);
        c.FillEllipse(cx, top, 8.2, 3.6, edge);
        c.FillEllipse(cx, top, 7.4, 2.9, face);
        c.FillEllipse(cx, top, 4.4, 1.6, stripe);
        c.FillEllipse(cx, top, 3.4, 1.1, face);
    }
    if (takeBack) {
        const TRgb disc = light ? White : TRgb{64, 64, 64};
        const TRgb letter = light ? Black : TRgb{200, 200, 200};
        c.FillEllipse(24.5, 7.5, 6.8, 6.8, Black);
        c.FillEllipse(24.5, 7.5, 5.8, 5.8, disc);
        c.TextCentred(24.6, 1.4, "R", 9, true, letter);
    }
}

TResourcePicture TableCursor(u32 id, bool light, bool takeBack) {
    TRgbCanvas c(32, 32);
    ChipStack(c, light, takeBack);
    Arrow(c);
    return Picture(TPictureKind::Cursor, {id}, c, 1, 1);
}

// A hand outlined in black: the shapes are drawn grown, in black, then in skin white.
struct THandPart {
    double Left, Top, Right, Bottom, Radius;
};

void Hand(TRgbCanvas& c, const std::vector<THandPart>& parts, const TPoints& thumb) {
    const TRgb skin{255, 250, 240};
    for (const THandPart& p : parts)
        c.FillRoundRect(p.Left - 1.2, p.Top - 1.2, p.Right + 1.2, p.Bottom + 1.2, p.Radius + 1.2,
                        Black);
    c.FillPolygon(Inset(thumb, -1.2), Black);
    c.FillPolygon(thumb, skin);
    for (const THandPart& p : parts)
        c.FillRoundRect(p.Left, p.Top, p.Right, p.Bottom, p.Radius, skin);
    // Creases between the fingers.
    for (size_t i = 1; i + 1 < parts.size(); ++i)
        c.Line(parts[i].Right, parts[i].Top + 2.5, parts[i].Right, parts[i].Bottom - 0.5, 0.9,
               Blend(Black, skin, 0.35));
}

TResourcePicture PointingHand() {
    TRgbCanvas c(32, 32);
    Hand(c,
         {{10.5, 1.5, 14.5, 18, 2},
          {14.5, 11, 18.5, 18, 2},
          {18.5, 12, 22.5, 19, 2},
          {22.5, 13.5, 26, 20.5, 1.8},
          {9.5, 15, 26, 29.5, 4}},
         {{10.8, 20}, {6.2, 15.2}, {4.2, 16.2}, {5, 19.6}, {10, 26}});
    return Picture(TPictureKind::Cursor, {6}, c, 12, 2);
}

TResourcePicture ClosedHand() {
    TRgbCanvas c(32, 32);
    Hand(c,
         {{8.5, 9, 12.5, 16, 2},
          {12.5, 8, 16.5, 16, 2},
          {16.5, 8.5, 20.5, 16, 2},
          {20.5, 10, 24, 16.5, 1.8},
          {8, 12.5, 24, 27, 4}},
         {{8.8, 17.5}, {5.2, 14.2}, {3.6, 15.6}, {4.6, 19.6}, {9, 24}});
    return Picture(TPictureKind::Cursor, {7}, c, 15, 15);
}

} // namespace

TResourcePicture ProgramIcon(i32 size) {
    TRgbCanvas c(size, size);
    // Laid out on the 32-pixel grid and scaled, so every size shows the same two dice.
    const double k = size / 32.0;
    DrawDie(c, 11.5 * k, 12 * k, 16 * k, -0.3, 5, RedDie);
    DrawDie(c, 21 * k, 20.5 * k, 16 * k, 0.35, 2, IvoryDie);
    return Picture(TPictureKind::Icon, {1001, 1}, c, size / 2, size / 2);
}

std::vector<TResourcePicture> MakeResourcePictures() {
    std::vector<TResourcePicture> pictures;
    pictures.push_back(Loading());
    pictures.push_back(Splash());
    pictures.push_back(Credits());
    pictures.push_back(TableCursor(1, true, false));
    pictures.push_back(TableCursor(2, false, false));
    pictures.push_back(TableCursor(3, true, true));
    pictures.push_back(TableCursor(4, false, true));
    pictures.push_back(PointingHand());
    pictures.push_back(ClosedHand());
    pictures.push_back(ProgramIcon(32));
    return pictures;
}
