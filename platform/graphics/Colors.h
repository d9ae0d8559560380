#pragma once
// TColor is 0x00BBGGRR: red in the low byte. A top byte of 0x80 names a system colour, which
// ColorToRGB resolves through the application palette before any pixel arithmetic.

#include "platform/core/VexExport.h"
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace Vex {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr TColor RGB(uint8_t R, uint8_t G, uint8_t B) {
    return TColor(R) | (TColor(G) << 8) | (TColor(B) << 16);
}
constexpr uint8_t GetRValue(TColor C) {
    return uint8_t(C);
}
constexpr uint8_t GetGValue(TColor C) {
    return uint8_t(C >> 8);
}
constexpr uint8_t GetBValue(TColor C) {
    return uint8_t(C >> 16);
}

// Plain RGB for any colour: system colours through the palette, others masked to 24 bits.
VEX_EXPORT TColor ColorToRGB(TColor Color);
VEX_EXPORT QColor ToQColor(TColor Color);
VEX_EXPORT TColor FromQColor(const QColor &Color);

// Identifier of a named or system colour ("clRed", "clBtnFace"), or nothing.
VEX_EXPORT std::optional<QString> ColorToIdent(TColor Color);
VEX_EXPORT std::optional<TColor> IdentToColor(const QString &Ident);

} // namespace Vex
