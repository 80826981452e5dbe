// The table's background: the painters in order, the drawing helpers they share, and the check
// that the spots' shapes, their lettering and every button's up look agree with the regions and
// buttons the program hit-tests.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/ButtonArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BitmapPicture.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// What a region's centre must show: its spot's area, the plate strip, or any part of the
// layout for the layout's own region.
bool CentreAgrees(const TClickRegion& region, u8 area) {
    if (region.Spot >= 0)
        return area == AREA_SPOT + region.Spot;
    if (region.Id == LayoutRegion().Id)
        return area != AREA_NONE && area != AREA_PLATE;
    return area == AREA_PLATE;
}

std::string Named(const TClickRegion& region) {
    return "region " + std::to_string(region.Id) + " (" + region.Label + ")";
}

// Whether the pixel of a spot region may show another spot's box: only on the pixels the
// region shares with its overlapping neighbour.
bool SharedPixel(const TClickRegion& region, i32 x, i32 y) {
    for (const TClickRegion& other : ClickRegions())
        if (RegionsMayOverlap(region.Id, other.Id) && other.Box.Contains(x, y))
            return true;
    return false;
}

// Another spot's box or a caption on a spot region's pixels.
void RegionPixelFaults(const TBackgroundArt& art, const TClickRegion& region,
                       std::vector<std::string>& faults) {
    const TBox& b = region.Box;
    for (i32 y = b.T; y < b.B; ++y)
        for (i32 x = b.L; x < b.R; ++x) {
            const u8 area = art.Areas.At(x, y);
            if (area == AREA_CAPTION) {
                faults.push_back(Named(region) + ": a caption lies on it at " + std::to_string(x) +
                                 "," + std::to_string(y));
                return;
            }
            const bool otherSpot =
                area >= AREA_SPOT && area < AREA_LAYOUT && area != AREA_SPOT + region.Spot;
            if (otherSpot && !SharedPixel(region, x, y)) {
                faults.push_back(Named(region) + ": the box of spot " +
                                 std::to_string(area - AREA_SPOT) + " reaches into it at " +
                                 std::to_string(x) + "," + std::to_string(y));
                return;
            }
        }
}

bool Meets(const TBox& a, const TBox& b) {
    return std::max(a.L, b.L) < std::min(a.R, b.R) && std::max(a.T, b.T) < std::min(a.B, b.B);
}

// Every label a seat's chips may cover: the piles on every spot, and the shooter's dice and the
// payout piles at the seats' places.
void CoveredLabelFaults(const TBackgroundArt& art, std::vector<std::string>& faults) {
    std::vector<std::pair<std::string, std::vector<TBox>>> reaches;
    for (int spot = 0; spot < 43; ++spot)
        reaches.push_back(
            {"the chips on " + Named(SpotRegion(static_cast<i16>(spot))), PileReach(spot)});
    reaches.push_back({"the dice and payouts at the seats", SeatPlaceReach()});
    reaches.push_back({"the puck off", {PuckOffReach()}});
    for (const TLabel& label : art.Labels)
        for (const auto& [whose, boxes] : reaches)
            for (const TBox& box : boxes)
                if (Meets(label.Ink, box)) {
                    const TClickRegion* region = RegionById(label.Region);
                    faults.push_back(
                        (region != nullptr ? Named(*region) : std::string("the rail")) + ": " +
                        whose + " may cover " + label.Text + " at " +
                        std::to_string(std::max(label.Ink.L, box.L)) + "," +
                        std::to_string(std::max(label.Ink.T, box.T)));
                    break;
                }
}

} // namespace

TBackgroundArt::TBackgroundArt()
    : Picture(TABLE_WIDTH, TABLE_HEIGHT), Areas(TABLE_WIDTH, TABLE_HEIGHT) {}

void TBackgroundArt::Mark(const TOutline& outline, u8 area) {
    FillOutline(Areas, outline, [area](i32, i32) { return area; });
}

void FillOutline(TCanvas& canvas, const TOutline& outline,
                 const std::function<u8(i32, i32)>& colour) {
    if (outline.size() < 3)
        return;
    double top = outline[0].second, bottom = top, left = outline[0].first, right = left;
    for (const auto& [x, y] : outline) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        right = std::max(right, x);
    }
    for (i32 y = static_cast<i32>(std::floor(top)); y <= static_cast<i32>(std::ceil(bottom)); ++y)
        for (i32 x = static_cast<i32>(std::floor(left)); x <= static_cast<i32>(std::ceil(right));
             ++x)
            if (OutlineHolds(outline, x, y))
                canvas.Plot(x, y, colour(x, y));
}

TOutline BoxOutline(double left, double top, double right, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

void Caps(TCanvas& canvas, double cx, double cy, const std::string& text, const TTextStyle& style,
          u8 colour) {
    const i32 width = TCanvas::TextWidth(text, style);
    // The faces' capitals stand about 0.73 of the em tall.
    const double capHeight = 0.73 * style.PixelSize;
    const i32 top = static_cast<i32>(std::lround(cy + capHeight / 2)) - TCanvas::TextAscent(style);
    canvas.Text(static_cast<i32>(std::lround(cx - width / 2.0)), top, text, style, colour);
}

u8 LineColour() {
    return RampStep(TRamp::Cream, 6);
}

u8 InkColour() {
    return CL_CREAM;
}

u8 RedInk() {
    return RampStep(TRamp::Red, 7);
}

bool OutlineHolds(const TOutline& outline, i32 x, i32 y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    bool inside = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const auto [x0, y0] = outline[j];
        const auto [x1, y1] = outline[i];
        if ((y0 > py) != (y1 > py) && px < x0 + (py - y0) * (x1 - x0) / (y1 - y0))
            inside = !inside;
    }
    return inside;
}

TBackgroundArt PaintTableBackground() {
    TBackgroundArt art;
    PaintRoom(art.Picture);
    PaintFelt(art.Picture);
    PaintLayout(art, TableShapes());
    PaintProps(art);
    PaintButtonBar(art);
    return art;
}

std::vector<std::string> BackgroundFaults(const TBackgroundArt& art) {
    // The shapes themselves are checked with the data set, against the bitmap as written.
    std::vector<std::string> faults;
    for (const TClickRegion& region : ClickRegions()) {
        const TBox& b = region.Box;
        if (!CentreAgrees(region, art.Areas.At(b.CentreX(), b.CentreY())))
            faults.push_back(Named(region) + ": its centre is not on its picture");
        if (region.Spot >= 0)
            RegionPixelFaults(art, region, faults);
    }
    faults.insert(faults.end(), art.Faults.begin(), art.Faults.end());
    CoveredLabelFaults(art, faults);
    for (const TTableButton& button : TableButtons()) {
        const TCanvas face = ButtonFace(button, TButtonLook::Up, button.Label);
        i32 covered = 0;
        bool same = true;
        for (i32 y = 0; y < face.Height(); ++y)
            for (i32 x = 0; x < face.Width(); ++x)
                if (face.Covered(x, y)) {
                    ++covered;
                    same =
                        same && face.At(x, y) == art.Picture.At(button.Box.L + x, button.Box.T + y);
                }
        if (!same || covered * 4 < button.Box.Width() * button.Box.Height() * 3)
            faults.push_back("button " + std::to_string(button.Number) + " (" + button.Label +
                             "): the background does not show its up look");
    }
    return faults;
}

void AddTableBackground(TDataSet& set) {
    const TBackgroundArt art = PaintTableBackground();
    const std::vector<std::string> faults = BackgroundFaults(art);
    if (!faults.empty())
        throw TBuildError(TableFile(TABLE_BACKGROUND), faults.front());
    set.AddBitmap(TableFile(TABLE_BACKGROUND), art.Picture, GamePalette());
}
