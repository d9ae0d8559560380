#pragma once
// A font description with the desktop semantics the instruments store in their files:
// Height < 0 is the character height in pixels, Height > 0 the cell height, and Size is in
// points at 96 pixels per inch (Height = -MulDiv(Size, 96, 72)).

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"

#include <QFont>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>

namespace Vex {

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t; // a set of TFontStyle bits

enum TFontCharset : uint8_t {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    OEM_CHARSET = 255,
};

class VEX_EXPORT TFont {
public:
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    uint8_t Charset = DEFAULT_CHARSET;
    // Rotation of the text baseline in tenths of a degree, counter-clockwise. Not stored in
    // files: the rotated-text routine sets it for one draw.
    int Orientation = 0;

    int Size() const;
    void SetSize(int Points);
    // The same font at twice the point size, for drawing at double resolution and halving.
    TFont Doubled() const;

    // The Symbol font drew the ASCII letters as Greek ones; no such font exists here, so the
    // letters are mapped to their Greek code points and drawn with an ordinary face.
    bool IsSymbol() const;
    QString DisplayText(const QString &Text) const;

    // The Qt font to draw with: aliased, sized in pixels.
    QFont ToQFont() const;

    // Set-of-styles text as stored in control files: "[fsBold,fsItalic]".
    static QString StylesToString(TFontStyles Styles);
    static std::optional<TFontStyles> StylesFromString(const QString &Text);
    static QString CharsetToIdent(uint8_t Charset);
    static std::optional<uint8_t> IdentToCharset(const QString &Ident);

    friend bool operator==(const TFont &, const TFont &) = default;
};

} // namespace Vex

Q_DECLARE_METATYPE(Vex::TFont)
