#include "demo/VexComponentsDemo_Widgets.h"

#include <QPalette>

namespace Vex {

TFont DemoFont(int Height, TFontStyles Style) {
    TFont Font;
    Font.Name = QStringLiteral("Arial");
    Font.Height = Height;
    Font.Style = Style;
    Font.Color = clBlack;
    return Font;
}

void SetBackground(QWidget *Widget, TColor Color) {
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::Window, ToQColor(ColorToRGB(Color)));
    Widget->setPalette(Palette);
    Widget->setAutoFillBackground(true);
}

QFrame *NewPanel(QWidget *Parent, const QString &Name, TColor Color, bool Bevel) {
    auto *Panel = new QFrame(Parent);
    Panel->setObjectName(Name);
    SetBackground(Panel, Color);
    if (Bevel) {
        Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        Panel->setLineWidth(1);
    }
    return Panel;
}

TVexDBLabel *NewLabel(QWidget *Parent, const QString &Name, QPoint At, int Width,
                      const QString &Text, const TFont &Font) {
    auto *Label = new TVexDBLabel(Parent);
    Label->setObjectName(Name);
    Label->SetBounds(At.x(), At.y(), Width, Label->Height());
    Label->SetFont(Font);
    Label->SetDisplayStyle(TVexDBLabel::dsType);
    Label->SetHighRes(true);
    Label->SetText({Text});
    return Label;
}

TVexButton *NewNavigationButton(QWidget *Parent, const QString &Name, const QRect &Bounds,
                                const QString &Caption, TVexButton::TAlignment Alignment,
                                TColor Highlight) {
    auto *Button = new TVexButton(Parent);
    Button->setObjectName(Name);
    Button->SetBounds(Bounds.x(), Bounds.y(), Bounds.width(), Bounds.height());
    Button->SetFont(DemoFont(-12));
    Button->SetCaption(Caption);
    Button->SetAlignment(Alignment);
    Button->SetHighRes(true);
    Button->SetHighlightColor(Highlight);
    Button->SetHighlightFontColor(clWhite);
    Button->SetBorderType(TVexButton::btSingle);
    Button->SetBorderWidth(1);
    Button->SetBorderColor(clBlack);
    Button->SetFrameCountCreated(1);
    Button->SetFrameCountEntered(10);
    Button->SetFrameCountExited(1);
    Button->SetFrameCountClicked(10);
    return Button;
}

} // namespace Vex
