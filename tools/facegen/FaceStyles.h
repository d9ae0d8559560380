#pragma once
// The 21 gauge faces as data: size, housing, the rings of the bezel, the dial and, for panel
// meters, the window and its lower cover. The drawing code in FaceGenerator reads only this
// table, so a face is changed here and nowhere else.

#include "Shading.h"

#include <QColor>
#include <QRectF>
#include <vector>

namespace Vex {

enum TFinishId {
    fnChrome,
    fnSteel,
    fnAluminium,
    fnBrass,
    fnGunmetal,
    fnBlackGloss,
    fnBlackSatin,
    fnBlackCrackle,
    fnGreyPlastic,
};

// Cross-sections of bezel rings and plates, from the outer edge inwards.
enum TShapeId {
    spDomed,    // one rounded bead
    spFlatTop,  // flat crown with rounded edges
    spStepped,  // two tiers with a small wall between
    spChamfer,  // short crown, then a long cone sloping in to the dial
    spPlate,    // rounded edge of a flat plate or frame
    spRecessed, // frame whose inner edge falls away into the window
};

enum TDialTexture {
    dtMatte,    // fine grain, as printed or painted
    dtGrained,  // coarser, slightly blotchy grain, as aged paper or crinkle paint
    dtSunburst, // lines radiating from the centre, with the bow-tie sheen
    dtTurned,   // concentric lathe marks, with the bow-tie sheen
    dtBrushed,  // straight horizontal brushing
};

struct TDialLook {
    QColor Centre;
    QColor Edge;
    TDialTexture Texture = dtMatte;
    int Amount = 8; // texture strength, as an alpha 0 .. 255
};

// One ring of a round bezel; radii are fractions of half the face's smaller side.
struct TRing {
    float Outer = 1;
    float Inner = 0.85f;
    TShapeId Shape = spDomed;
    TFinishId Finish = fnChrome;
    bool Knurled = false;
};

enum THousing {
    hoRound,  // round bezel filling the inscribed ellipse
    hoFlange, // square plate carrying a round bezel
    hoPanel,  // rectangular frame around a rectangular dial window
};

enum TCorners { coNone, coHoles, coScrews };

enum TCover {
    cvNone,
    cvDark,  // opaque plate over the lower part of the window
    cvClear, // clear moulding over the lower part, the movement's recess visible through it
};

struct TFaceStyle {
    int Index = 0;
    int Width = 0;
    int Height = 0;
    THousing Housing = hoRound;
    std::vector<TRing> Rings = {}; // round and flange housings, from the outside in
    TDialLook Dial;
    int BezelScrews = 0;            // screws set into the outermost ring
    TFinishId Plate = fnBlackSatin; // flange plate or panel frame
    TCorners Corners = coNone;      // flange corners
    QRectF Window = {};             // panel dial window, fractions of the face
    float CoverTop = 1;             // panel cover top edge, fraction of the height
    TCover Cover = cvNone;
    int Glass = 70; // alpha of the brightest glass reflection
};

const TFinish &FinishOf(TFinishId Id);
TProfile ProfileOf(TShapeId Id);

// Faces 1 to 21 in index order.
const std::vector<TFaceStyle> &FaceStyles();

} // namespace Vex
