#pragma once
// The frame and the plumbing every editor page shares. A page is a modal dialog of tabs over a
// bottom panel with a "Close" button; each tab holds rows of a caption (an animated label) and
// an input: a liquid-bar slider with its value beside it, a check box, an edit box, a colour or
// font panel, a list. Inputs are bound to the edited control: LoadInputs puts the control's
// values into them in the order they were bound, and every change of an input (loading
// included, as on the desktop) writes its value into the control at once, converted by its
// binding, so the control repaints beside the page while the user edits.
//
// Dialogs go through the replaceable functions of VexEditorDialogs; errors raised by a handler
// (a file that cannot be read or written) are shown there and leave the control as it was.

#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "controls/VexSlider.h"
#include "editors/VexEditorInputs.h"
#include "framework/VexGraphicControl.h"
#include "platform/core/VexExport.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QFrame;
class QLineEdit;
class QListWidget;
class QTabWidget;

namespace Vex {

class VEX_EXPORT TVexEditorPage : public QDialog {
    Q_OBJECT

public:
    // Width and Height: the page's client size in pixels.
    TVexEditorPage(QWidget *Parent, const QString &Caption, int Width, int Height);

    // The control being edited; not owned.
    TVexGraphicControl *EditedControl() const { return FControl; }

    // A page used while designing may rename its control and write it to a file; at run time
    // the name is only shown.
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool Value);

    // Puts the control's values into the inputs again, in binding order; each changed input
    // writes its value back through its binding, as when the page opened.
    void LoadInputs();

    // The frame of every page, named as in its layout.
    QTabWidget *PageControl;
    QFrame *pnlBottom;
    TVexButton *btnClose;

    // The rows' columns on a tab, in pixels.
    static constexpr int KRowHeight = 22;
    static constexpr int KCaptionLeft = 8;
    static constexpr int KCaptionWidth = 196;
    static constexpr int KInputLeft = 210;
    static constexpr int KInputWidth = 210;
    static constexpr int KValueLeft = 428;
    static constexpr int KValueWidth = 48;

protected:
    // Remembers Control and names it in the caption: "<caption> [<name>]".
    void SetEditedControl(TVexGraphicControl *Control);

    // A tab sheet, added after the others.
    QWidget *AddTab(const QString &Caption);
    // Rows, each below the previous one on its tab. Name is the input's component name.
    TVexDBLabel *AddHeading(QWidget *Tab, const QString &Text);
    TVexSlider *AddSlider(QWidget *Tab, const QString &Name, const QString &Caption, float Min,
                          float Max);
    TVexButton *AddCheckBox(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexButton *AddButton(QWidget *Tab, const QString &Name, const QString &Caption);
    QLineEdit *AddEdit(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexEditorPanel *AddColorPanel(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexEditorPanel *AddFontPanel(QWidget *Tab, const QString &Name, const QString &Caption);
    QListWidget *AddList(QWidget *Tab, const QString &Name, const QString &Caption, int Height);

    // A slider row bound to a property (see BindSlider below).
    struct TSliderRow {
        const char *Name;
        const char *Caption;
        float Min;
        float Max;
        const char *Property;
        float Scale = 1;
    };
    TVexSlider *AddSlider(QWidget *Tab, const TSliderRow &Row);

    // Bindings: Load reads the control's value for the input, Store writes the input's value.
    // Store runs only while a control is being edited.
    void BindSlider(TVexSlider *Slider, std::function<float()> Load,
                    std::function<void(float)> Store);
    void BindCheckBox(TVexButton *Box, std::function<bool()> Load, std::function<void(bool)> Store);
    void BindEdit(QLineEdit *Edit, std::function<QString()> Load,
                  std::function<void(const QString &)> Store);
    // With Preset the dialog opens on the control's colour, otherwise on the colour it showed
    // last (whichever panel opened it).
    void BindColorPanel(TVexEditorPanel *Panel, std::function<TColor()> Load,
                        std::function<void(TColor)> Store, bool Preset = true);
    void BindFontPanel(TVexEditorPanel *Panel, std::function<TFont()> Load,
                       std::function<void(const TFont &)> Store);

    // The same for a published property of the control, by name.
    // A slider shows the property times Scale; Store writes Round(position) when Scale is 1,
    // else position / Scale. Load puts the value itself when Scale is 1, else it rounded.
    void BindSlider(TVexSlider *Slider, const char *Property, float Scale = 1);
    void BindCheckBox(TVexButton *Box, const char *Property);
    void BindTextEdit(QLineEdit *Edit, const char *Property);
    // Writes only text that is a whole number (TextToFloat); the control may still refuse it.
    void BindNumberEdit(QLineEdit *Edit, const char *Property);
    void BindColorPanel(TVexEditorPanel *Panel, const char *Property, bool Preset = true);
    void BindFontPanel(TVexEditorPanel *Panel, const char *Property);
    // The control's component name; written back only while designing.
    void BindNameEdit(QLineEdit *Edit);

    // The control files of the edited control. Reading takes either format (told apart by
    // the content) and loads the inputs again; saving offers the compressed format and, with
    // OfferText, the text one. Errors are shown and change nothing.
    void ReadControlFile();
    void SaveControlFile(bool OfferText);

    // Runs Action; an error it raises is shown in a message box.
    void ShowingErrors(const std::function<void()> &Action);

    QVariant ReadProperty(const char *Property) const;
    void WriteProperty(const char *Property, const QVariant &Value);

private:
    // The next free row's top on Tab.
    int NextRow(QWidget *Tab, int Height = KRowHeight);
    // A row with Caption on the left; returns its top.
    int AddCaptionRow(QWidget *Tab, const QString &Caption, int Height = KRowHeight);
    // Names Input and puts it in the input column, centred in the row at Top.
    template <typename TInput>
    TInput *PlaceInput(TInput *Input, const QString &Name, int Top, int Width, int Height);
    TVexDBLabel *NewLabel(QWidget *Tab, const QString &Name, int Left, int Top, int Width,
                          const QString &Text);
    void ShowValue(TVexSlider *Slider);

    QPointer<TVexGraphicControl> FControl;
    QString FCaption;
    bool FDesigning = false;
    std::vector<std::function<void()>> FLoaders;
    std::map<QWidget *, int> FNextRow;
    std::map<TVexSlider *, TVexDBLabel *> FValueLabels;
    std::vector<QLineEdit *> FNameEdits;
    int FLabelCount = 0;
    TColor FLastColor = clBlack;
};

// "Arial" of Height (negative: character height in pixels), black: the pages' font.
VEX_EXPORT TFont EditorFont(int Height = -11);

} // namespace Vex
