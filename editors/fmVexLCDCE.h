#pragma once
// The LCD's editor page: four tabs of inputs, each written into the edited LCD as soon as it
// changes, so the display is rebuilt beside the page. Dimensions holds the cell sizes, the
// margin and a cross of five panels that docks the LCD in its parent (the black panel is the
// current alignment; clicking it again undocks); Colors the three colours and the lighting;
// Other the number picture; Datafield the numeric fields of the LCD's table and the data
// sources it can be bound to.

#include "controls/VexLCD.h"
#include "editors/VexEditorPage.h"
#include "platform/core/VexExport.h"

#include <array>

class QTreeWidget;

namespace Vex {

class TVexDataSource;

class VEX_EXPORT TfrmVexLCDCE : public TVexEditorPage {
    Q_OBJECT

public:
    explicit TfrmVexLCDCE(QWidget *Parent = nullptr);

    // Fills the page from LCD (not owned) and from then on edits it.
    void SetEditingLCD(TVexLCD *LCD);
    TVexLCD *EditingLCD() const { return FLCD; }

    // Handlers of the inputs that do more than write one property.
    void pnlAlignmentClick(TVexEditorPanel *Sender);
    void lvDataSourceClick();

    // The data sources the LCD can be bound to: those on the LCD's window and those the
    // application owns, in that order.
    QList<TVexDataSource *> DataSources() const;

    // The page's parts, named as in its layout. The sliders are found by name
    // (findChild<TVexSlider *>("usHMargin")). pnlBottom is the cross's lower arm; the frame's
    // strip below the tabs is TVexEditorPage::pnlBottom, named "pnlButtons" here.
    TVexButton *ubClose;
    TVexEditorPanel *pnlLeft;
    TVexEditorPanel *pnlRight;
    TVexEditorPanel *pnlTop;
    TVexEditorPanel *pnlBottom;
    TVexEditorPanel *pnlClient;
    TVexEditorPanel *pnlBackgroundColor;
    TVexEditorPanel *pnlCharacterColor;
    TVexEditorPanel *pnlShadowColor;
    QLineEdit *editFormat;
    QTreeWidget *lvDataFields;
    QListWidget *lvDataSource;

private:
    void BuildDimensions();
    void BuildColors();
    void BuildOther();
    void BuildDatafield();
    // The alignment panels, in the order of TAlign from alTop.
    std::array<TVexEditorPanel *, 5> AlignmentPanels() const;
    void ShowAlignment(TVexGraphicControl::TAlign Align);
    void FillDataSources();

    QPointer<TVexLCD> FLCD;
};

} // namespace Vex
