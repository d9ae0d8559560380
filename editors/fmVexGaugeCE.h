#pragma once
// The gauge's editor page: eight tabs of inputs, each written into the edited gauge as soon as
// it changes, so the gauge repaints beside the page. Background chooses one of the 21 faces
// from a picture list; Orientation, Ticks, Scale, Labels, Behaviour and Arrow hold sliders,
// check boxes, edit boxes and colour and font panels; Extra shows the component name and reads
// and writes control files and pictures.
//
// Opening the page on a gauge writes every slider's value back through the slider (in its
// units: whole numbers, or hundredths for the radii and the arrow's size), so values finer than
// that are rounded by merely opening it: a ScaleRadius of 0.555 becomes 0.56.

#include "controls/VexGauge.h"
#include "editors/VexEditorPage.h"
#include "platform/core/VexExport.h"

#include <QPixmap>

namespace Vex {

class VEX_EXPORT TfrmVexGaugeCE : public TVexEditorPage {
    Q_OBJECT

public:
    explicit TfrmVexGaugeCE(QWidget *Parent = nullptr);

    // Fills the page from Gauge (not owned) and from then on edits it. Called once, before
    // the page is shown.
    void SetEditingGauge(TVexGauge *Gauge);
    TVexGauge *EditingGauge() const { return FGauge; }

    // The face pictures of the list, 100 x 100; cleared when the page closes.
    const QList<QPixmap> &ilGauges() const { return FilGauges; }

    // Handlers of the inputs that do more than write one property.
    void lvGaugesClick();
    void ubWritePropertiesClick();
    void ubReadPropertiesClick();
    void ubSaveToFileClick();
    void ubOpenBackgroundClick();
    void ubSaveImageClick();

    // The page's parts, named as in its layout. The sliders are found by name
    // (findChild<TVexSlider *>("tbOrigoX")).
    QListWidget *lvGauges;
    TVexButton *ubCircular;
    TVexButton *ubDrawTicks;
    TVexButton *ubTicksConnected;
    TVexEditorPanel *panelTickColor;
    QLineEdit *editMinValue;
    QLineEdit *editMaxValue;
    TVexButton *ubDrawScale;
    QLineEdit *editScaleFormat;
    TVexEditorPanel *pnlScaleFont;
    TVexButton *ubDrawValue;
    TVexEditorPanel *pnlValueFont;
    QLineEdit *editValueFormat;
    TVexEditorPanel *Panel9;
    QLineEdit *editUnitText;
    TVexButton *ubInputType;
    QListWidget *lbArrowTypes;
    TVexEditorPanel *panelArrowColor;
    TVexEditorPanel *panelShadowColor;
    QLineEdit *editName;
    TVexButton *ubWriteProperties;
    TVexButton *ubReadProperties;
    TVexButton *ubSaveToFile;
    TVexButton *ubOpenBackground;
    TVexButton *ubSaveImage;

    void done(int Result) override;

private:
    void BuildBackground();
    void BuildOrientation();
    void BuildTicks();
    void BuildScale();
    void BuildLabels();
    void BuildBehaviour();
    void BuildArrow();
    void BuildExtra();
    void FillFaceList();

    QPointer<TVexGauge> FGauge;
    QList<QPixmap> FilGauges;
};

} // namespace Vex
