#include "platform/graphics/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace Vex {

namespace {
struct NamedColor {
    TColor Color;
    const char *Ident;
};

constexpr NamedColor KNamedColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

QPalette::ColorRole RoleFor(TColor System, QPalette::ColorGroup &Group) {
    Group = QPalette::Active;
    switch (System & 0xFF) {
    case 1:
    case 12:
        return QPalette::Dark;
    case 2:
    case 13:
        return QPalette::Highlight;
    case 3:
        Group = QPalette::Inactive;
        return QPalette::Highlight;
    case 4:
    case 15:
    case 0:
    case 10:
    case 11:
        return QPalette::Button;
    case 5:
        return QPalette::Base;
    case 6:
    case 21:
        return QPalette::Shadow;
    case 7:
    case 8:
        return QPalette::WindowText;
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 17:
        Group = QPalette::Disabled;
        return QPalette::WindowText;
    case 18:
        return QPalette::ButtonText;
    case 19:
        Group = QPalette::Inactive;
        return QPalette::HighlightedText;
    case 20:
        return QPalette::Light;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}
} // namespace

TColor ColorToRGB(TColor Color) {
    if ((Color & 0xFF000000u) == clSystemColor) {
        QPalette::ColorGroup Group;
        const QPalette::ColorRole Role = RoleFor(Color, Group);
        return FromQColor(QGuiApplication::palette().color(Group, Role));
    }
    return Color & 0x00FFFFFFu;
}

QColor ToQColor(TColor Color) {
    const TColor C = ColorToRGB(Color);
    return QColor(GetRValue(C), GetGValue(C), GetBValue(C));
}

TColor FromQColor(const QColor &Color) {
    return RGB(uint8_t(Color.red()), uint8_t(Color.green()), uint8_t(Color.blue()));
}

std::optional<QString> ColorToIdent(TColor Color) {
    for (const NamedColor &N : KNamedColors)
        if (N.Color == Color)
            return QString::fromLatin1(N.Ident);
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const QString &Ident) {
    for (const NamedColor &N : KNamedColors)
        if (Ident.compare(QLatin1String(N.Ident), Qt::CaseInsensitive) == 0)
            return N.Color;
    return std::nullopt;
}

} // namespace Vex
