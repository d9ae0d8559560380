#pragma once
// The standard dialogs the editor pages ask the user through: colour, font, file and message.
// Each kind is one replaceable function, Qt's own dialog unless another was installed, so that
// tests and embedding applications can answer for the user and no dialog appears. Every Set...
// returns the function it replaces; an empty function brings Qt's dialog back.

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace Vex {

// The chosen colour, or nothing when the user cancelled.
using TColorDialogFunction = std::function<std::optional<TColor>(QWidget *Parent, TColor Initial)>;
VEX_EXPORT std::optional<TColor> ExecuteColorDialog(QWidget *Parent, TColor Initial);
VEX_EXPORT TColorDialogFunction SetColorDialog(TColorDialogFunction Function);

// The chosen font, or nothing when the user cancelled. The dialog chooses face, size and
// style; the colour and character set stay those of Initial.
using TFontDialogFunction =
    std::function<std::optional<TFont>(QWidget *Parent, const TFont &Initial)>;
VEX_EXPORT std::optional<TFont> ExecuteFontDialog(QWidget *Parent, const TFont &Initial);
VEX_EXPORT TFontDialogFunction SetFontDialog(TFontDialogFunction Function);

struct VEX_EXPORT TFileDialogRequest {
    enum TMode : int { fdOpen, fdSave };
    TMode Mode = fdOpen;
    // Descriptions and patterns, each followed by "|": "Bitmaps (*.bmp)|*.bmp|JPEG ...|*.jpg".
    QString Filter;
    // The name a save dialog proposes.
    QString FileName;
};

struct VEX_EXPORT TFileDialogChoice {
    QString FileName;
    // Which of the filter's entries was selected, from 0.
    int FilterIndex = 0;
};

// The chosen file, or nothing when the user cancelled.
using TFileDialogFunction =
    std::function<std::optional<TFileDialogChoice>(QWidget *Parent, const TFileDialogRequest &)>;
VEX_EXPORT std::optional<TFileDialogChoice> ExecuteFileDialog(QWidget *Parent,
                                                              const TFileDialogRequest &Request);
VEX_EXPORT TFileDialogFunction SetFileDialog(TFileDialogFunction Function);

// Tells the user Text (an error, as a rule) and waits for them to acknowledge it.
using TMessageFunction = std::function<void(QWidget *Parent, const QString &Text)>;
VEX_EXPORT void ShowEditorMessage(QWidget *Parent, const QString &Text);
VEX_EXPORT TMessageFunction SetEditorMessage(TMessageFunction Function);

// The name filters Qt's file dialog takes for a "description|pattern|..." filter: one entry
// per pair, the pattern added in brackets unless the description shows it already.
VEX_EXPORT QStringList QtNameFilters(const QString &Filter);

// A font as the font dialog shows it (face, point size, style), and the font the dialog's
// choice stands for, with Base's colour and character set.
VEX_EXPORT QFont ToDialogFont(const TFont &Font);
VEX_EXPORT TFont FromDialogFont(const QFont &Font, const TFont &Base);

} // namespace Vex
