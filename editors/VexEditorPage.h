#pragma once
// The frame and the plumbing every editor page shares. A page is a modal dialog of tabs over a
// bottom panel with a "Close" button; each tab holds rows of a caption (an animated label) and
// an input: a liquid-bar slider with its value beside it, a check box, an edit box, a colour or
// font panel, a list. Captions stand beside their inputs in one column across the tab, or, on
// a narrower page, above them in columns side by side. Inputs are bound to the edited control:
// LoadInputs puts the control's values into them in the order they were bound, and every
// change of an input (loading included, as on the desktop) writes its value into the control
// at once, converted by its binding, so the control repaints beside the page while the user
// edits.
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
class QTreeWidget;

namespace Vex {

class VEX_EXPORT TVexEditorPage : public QDialog {
    Q_OBJECT

public:
    // Width and Height: the page's client size in pixels. An empty Caption titles the page
    // with the edited control's name alone.
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

    // The rows' columns on a tab, in pixels, with captions beside their inputs.
    static constexpr int KRowHeight = 22;
    static constexpr int KCaptionLeft = 8;
    static constexpr int KCaptionWidth = 196;
    static constexpr int KInputLeft = 210;
    static constexpr int KInputWidth = 210;
    static constexpr int KValueLeft = 428;
    static constexpr int KValueWidth = 48;
    // With captions above their inputs: the caption's band, the space below each row and the
    // slider's value beside its bar, in pixels.
    static constexpr int KCaptionHeight = 16;
    static constexpr int KRowGap = 6;
    static constexpr int KAboveValueWidth = 36;
    static constexpr int KEditHeight = 20;

    // How a slider bound to a property converts between the property and its position.
    enum TSliderConversion : int {
        scRounded,     // shows the value; writes the position rounded to a whole number
        scAsIs,        // shows the value; writes the position unchanged
        scLoadRounded, // shows the value rounded to a whole number; writes the position unchanged
        scHundredths,  // shows the value in hundredths, rounded; writes the position / 100
    };

    // What a font panel shows: "Arial, 10 pt, bold"; "Arial, 9" in the font itself; "Arial".
    enum TFontCaption : int { fcDescription, fcNameAndSize, fcName };

protected:
    // Remembers Control and names it in the caption: "<caption> [<name>]", or "<name>".
    void SetEditedControl(TVexGraphicControl *Control);

    // From here on, rows put their captions above their inputs, in columns ColumnWidth pixels
    // wide; NextColumn starts the next column of a tab.
    void SetCaptionsAbove(int ColumnWidth);
    void NextColumn(QWidget *Tab);

    // A tab sheet, added after the others.
    QWidget *AddTab(const QString &Caption);
    // Rows, each below the previous one in its tab's column. Name is the input's component
    // name.
    TVexDBLabel *AddHeading(QWidget *Tab, const QString &Text);
    TVexSlider *AddSlider(QWidget *Tab, const QString &Name, const QString &Caption, float Min,
                          float Max);
    TVexButton *AddCheckBox(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexButton *AddButton(QWidget *Tab, const QString &Name, const QString &Caption);
    // A button whose click runs the page's Handler.
    template <typename TPage>
    TVexButton *AddButton(QWidget *Tab, const char *Name, const char *Caption,
                          void (TPage::*Handler)()) {
        TVexButton *Button = AddButton(Tab, QLatin1String(Name), QLatin1String(Caption));
        connect(Button, &TVexButton::OnClick, static_cast<TPage *>(this), Handler);
        return Button;
    }
    QLineEdit *AddEdit(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexEditorPanel *AddColorPanel(QWidget *Tab, const QString &Name, const QString &Caption);
    TVexEditorPanel *AddFontPanel(QWidget *Tab, const QString &Name, const QString &Caption);
    QListWidget *AddList(QWidget *Tab, const QString &Name, const QString &Caption, int Height);
    // A row for an input of any kind, made on Tab: Width wide (0: the whole input column) and
    // Height high.
    template <typename TInput>
    TInput *AddInput(QWidget *Tab, const QString &Name, const QString &Caption, int Width,
                     int Height) {
        auto *Input = new TInput(Tab);
        Input->setObjectName(Name);
        Input->setGeometry(AddInputRow(Tab, Caption, Width, Height));
        return Input;
    }
    // The numeric fields of the control's table, name and type, in a list Height high; choosing
    // one binds the control to it. For data-aware controls.
    QTreeWidget *AddDataFieldList(QWidget *Tab, const QString &Name, const QString &Caption,
                                  int Height);

    // Lists the fields of the control's table again, after its data source changed.
    void FillDataFieldList(QTreeWidget *List);

    // A row with Caption for an input Width wide (0: the whole input column) and Height high;
    // returns the input's place on Tab.
    QRect AddInputRow(QWidget *Tab, const QString &Caption, int Width, int Height);

    // A slider row bound to a property (see BindSlider below).
    struct TSliderRow {
        const char *Name;
        const char *Caption;
        float Min;
        float Max;
        const char *Property;
        TSliderConversion Conversion = scRounded;
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
                       std::function<void(const TFont &)> Store,
                       TFontCaption Caption = fcDescription);

    // Loads an input the page fills and handles itself, in turn with the bound ones.
    void BindLoader(std::function<void()> Load) { FLoaders.push_back(std::move(Load)); }

    // The same for a published property of the control, by name.
    void BindSlider(TVexSlider *Slider, const char *Property,
                    TSliderConversion Conversion = scRounded);
    void BindCheckBox(TVexButton *Box, const char *Property);
    void BindTextEdit(QLineEdit *Edit, const char *Property);
    // Shows the number as FloatText writes it, and writes only text that is a whole number
    // (TextToFloat); the control may still refuse it.
    void BindNumberEdit(QLineEdit *Edit, const char *Property);
    void BindColorPanel(TVexEditorPanel *Panel, const char *Property, bool Preset = true);
    void BindFontPanel(TVexEditorPanel *Panel, const char *Property,
                       TFontCaption Caption = fcDescription);
    // The value names of an enumeration property in declaration order, so that a row is a
    // value; choosing a row writes it. With ShowCurrent the control's value is selected on
    // loading, else nothing is.
    void BindEnumList(QListWidget *List, const char *Property, bool ShowCurrent);
    // The control's component name; written back while designing, or always with AtRunTime,
    // and then only as a name a control file can hold (a letter or "_", then letters, digits
    // and "_").
    void BindNameEdit(QLineEdit *Edit, bool AtRunTime = false);

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
    // A column of rows on a tab: the caption's left edge and the next free row's top.
    struct TColumn {
        int Left = KCaptionLeft;
        int Next = 0;
    };
    // The next free row's top in Tab's column; the row takes Height.
    int NextRow(QWidget *Tab, int Height);
    bool CaptionsAbove() const { return FColumnWidth > 0; }
    // The width of the input column, and where it starts, on Tab.
    int InputWidth() const { return CaptionsAbove() ? FColumnWidth : KInputWidth; }
    int InputLeft(QWidget *Tab);
    // A label Width wide, vertically centred in the band Height high at Top.
    TVexDBLabel *NewLabel(QWidget *Tab, const QString &Name, int Left, int Top, int Width,
                          int Height, const QString &Text);
    TVexDBLabel *NewCaption(QWidget *Tab, int Left, int Top, int Width, int Height,
                            const QString &Text);
    void ShowValue(TVexSlider *Slider);
    void ShowTitle();

    // A slider's value label and the picture it shows the position with.
    struct TValueLabel {
        TVexDBLabel *Label = nullptr;
        QString Picture = QStringLiteral("0");
    };

    QPointer<TVexGraphicControl> FControl;
    QString FCaption;
    bool FDesigning = false;
    int FColumnWidth = 0;
    std::vector<std::function<void()>> FLoaders;
    std::map<QWidget *, TColumn> FColumns;
    std::map<TVexSlider *, TValueLabel> FValueLabels;
    std::vector<QLineEdit *> FNameEdits;
    int FLabelCount = 0;
    TColor FLastColor = clBlack;
};

// "Arial" of Height (negative: character height in pixels), black: the pages' font.
VEX_EXPORT TFont EditorFont(int Height = -11);

} // namespace Vex
