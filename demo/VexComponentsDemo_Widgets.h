#pragma once
// The pieces the demonstration's frames are built from, with the look they share: panels,
// typewriter labels and the flat navigation buttons of the product column and the menus.

#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "platform/graphics/Font.h"

#include <QFrame>
#include <QRect>

namespace Vex {

// An "Arial" font of Height (negative: character height in pixels), black.
TFont DemoFont(int Height, TFontStyles Style = 0);

// A panel filled with Color, flat or with the raised one-pixel bevel of a desktop panel.
QFrame *NewPanel(QWidget *Parent, const QString &Name, TColor Color, bool Bevel);

// Gives Widget a solid background of Color.
void SetBackground(QWidget *Widget, TColor Color);

// A typewriter label of one line at (X, Y), Width wide, over its parent's colour.
TVexDBLabel *NewLabel(QWidget *Parent, const QString &Name, QPoint At, int Width,
                      const QString &Text, const TFont &Font);

// A navigation button: single black border, smooth, fading to Highlight with white text.
TVexButton *NewNavigationButton(QWidget *Parent, const QString &Name, const QRect &Bounds,
                                const QString &Caption, TVexButton::TAlignment Alignment,
                                TColor Highlight);

} // namespace Vex
