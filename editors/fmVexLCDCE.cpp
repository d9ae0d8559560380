#include "editors/fmVexLCDCE.h"

#include "platform/core/Component.h"
#include "platform/data/VexDataSource.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

namespace Vex {

namespace {
constexpr int KPageWidth = 498;
constexpr int KPageHeight = 229;
// One arm of the alignment cross, in pixels.
constexpr int KCrossWidth = 32;
constexpr int KCrossHeight = 16;
constexpr int KFieldListHeight = 82;
constexpr int KSourceListHeight = 54;
} // namespace

TfrmVexLCDCE::TfrmVexLCDCE(QWidget *Parent)
    : TVexEditorPage(Parent, QStringLiteral("VexLCD Component Editor"), KPageWidth, KPageHeight) {
    setObjectName(QStringLiteral("frmVexLCDCE"));
    ubClose = btnClose;
    ubClose->setObjectName(QStringLiteral("ubClose"));
    // The name of the frame's strip goes to the alignment cross's lower arm.
    TVexEditorPage::pnlBottom->setObjectName(QStringLiteral("pnlButtons"));
    TLoadingScope Loading;
    BuildDimensions();
    BuildColors();
    BuildOther();
    BuildDatafield();
    PageControl->setCurrentIndex(0);
}

void TfrmVexLCDCE::BuildDimensions() {
    QWidget *Tab = AddTab(QStringLiteral("Dimensions"));
    AddSlider(Tab, {"usCharacterWidth", "Character width", 0, 5, "CharWidth", scAsIs});
    AddSlider(Tab, {"usSegmentWidth", "Segment width", 0, 0.3f, "SegmentWidth", scAsIs});
    AddSlider(Tab, {"usHMargin", "Horizontal margin", 0, 40, "HMargin"});

    // A cross: top, left, centre, right and bottom, each a panel that docks the LCD that way.
    const QRect Cross =
        AddInputRow(Tab, QStringLiteral("Alignment"), 3 * KCrossWidth, 3 * KCrossHeight);
    const auto Arm = [&](const char *Name, const char *Hint, int Column, int Row) {
        auto *Panel = new TVexEditorPanel(Tab);
        Panel->setObjectName(QLatin1String(Name));
        Panel->setToolTip(QLatin1String(Hint));
        Panel->setGeometry(Cross.x() + Column * KCrossWidth, Cross.y() + Row * KCrossHeight,
                           KCrossWidth, KCrossHeight);
        connect(Panel, &TVexEditorPanel::Click, this, &TfrmVexLCDCE::pnlAlignmentClick);
        return Panel;
    };
    pnlTop = Arm("pnlTop", "alTop", 1, 0);
    pnlLeft = Arm("pnlLeft", "alLeft", 0, 1);
    pnlClient = Arm("pnlClient", "alClient", 1, 1);
    pnlRight = Arm("pnlRight", "alRight", 2, 1);
    pnlBottom = Arm("pnlBottom", "alBottom", 1, 2);
    BindLoader([this] { ShowAlignment(FLCD->Align()); });
}

void TfrmVexLCDCE::BuildColors() {
    QWidget *Tab = AddTab(QStringLiteral("Colors"));
    pnlBackgroundColor = AddColorPanel(Tab, QStringLiteral("pnlBackgroundColor"),
                                       QStringLiteral("Background color"));
    BindColorPanel(pnlBackgroundColor, "Color");
    pnlCharacterColor =
        AddColorPanel(Tab, QStringLiteral("pnlCharacterColor"), QStringLiteral("Character color"));
    BindColorPanel(pnlCharacterColor, "SegmentColor");
    pnlShadowColor =
        AddColorPanel(Tab, QStringLiteral("pnlShadowColor"), QStringLiteral("Shadow color"));
    BindColorPanel(pnlShadowColor, "ShadowColor");
    AddSlider(Tab, {"usLightningRate", "Lightning rate", 0, 100, "LightIntensity"});
    AddSlider(Tab,
              {"usGradientFluctuation", "Gradient fluctuation", 0, 10, "GradientRate", scAsIs});
}

void TfrmVexLCDCE::BuildOther() {
    QWidget *Tab = AddTab(QStringLiteral("Other"));
    editFormat = AddEdit(Tab, QStringLiteral("editFormat"), QStringLiteral("Format"));
    BindTextEdit(editFormat, "Format");
}

void TfrmVexLCDCE::BuildDatafield() {
    QWidget *Tab = AddTab(QStringLiteral("Datafield"));
    lvDataFields = AddDataFieldList(Tab, QStringLiteral("lvDataFields"),
                                    QStringLiteral("Datafield"), KFieldListHeight);
    lvDataSource = AddList(Tab, QStringLiteral("lvDataSource"), QStringLiteral("Datasource"),
                           KSourceListHeight);
    BindLoader([this] { FillDataSources(); });
    connect(lvDataSource, &QListWidget::itemSelectionChanged, this,
            &TfrmVexLCDCE::lvDataSourceClick);
}

void TfrmVexLCDCE::SetEditingLCD(TVexLCD *LCD) {
    FLCD = LCD;
    SetEditedControl(LCD);
    if (LCD)
        LoadInputs();
}

std::array<TVexEditorPanel *, 5> TfrmVexLCDCE::AlignmentPanels() const {
    return {pnlTop, pnlBottom, pnlLeft, pnlRight, pnlClient};
}

void TfrmVexLCDCE::ShowAlignment(TVexGraphicControl::TAlign Align) {
    const std::array<TVexEditorPanel *, 5> Panels = AlignmentPanels();
    for (size_t I = 0; I < Panels.size(); ++I)
        Panels[I]->SetColor(Align == TVexGraphicControl::alTop + int(I) ? clBlack : clBtnFace);
}

void TfrmVexLCDCE::pnlAlignmentClick(TVexEditorPanel *Sender) {
    if (!FLCD)
        return;
    const std::array<TVexEditorPanel *, 5> Panels = AlignmentPanels();
    const auto Found = std::find(Panels.begin(), Panels.end(), Sender);
    if (Found == Panels.end())
        return;
    // The current alignment's panel undocks the LCD; any other docks it its way.
    const auto Align =
        Sender->Color() == clBlack
            ? TVexGraphicControl::alNone
            : TVexGraphicControl::TAlign(TVexGraphicControl::alTop + int(Found - Panels.begin()));
    FLCD->SetAlign(Align);
    ShowAlignment(Align);
}

QList<TVexDataSource *> TfrmVexLCDCE::DataSources() const {
    QList<TVexDataSource *> Sources;
    if (FLCD)
        Sources = FLCD->window()->findChildren<TVexDataSource *>();
    for (TVexDataSource *Source :
         QCoreApplication::instance()->findChildren<TVexDataSource *>(Qt::FindDirectChildrenOnly))
        if (!Sources.contains(Source))
            Sources << Source;
    return Sources;
}

void TfrmVexLCDCE::FillDataSources() {
    const QSignalBlocker Quiet(lvDataSource);
    lvDataSource->clear();
    int Unnamed = 0;
    for (TVexDataSource *Source : DataSources()) {
        const QString Name = Source->objectName().isEmpty()
                                 ? QStringLiteral("(data source %1)").arg(++Unnamed)
                                 : Source->objectName();
        auto *Item = new QListWidgetItem(Name, lvDataSource);
        if (Source == FLCD->DataSource())
            lvDataSource->setCurrentItem(Item);
    }
}

void TfrmVexLCDCE::lvDataSourceClick() {
    const QList<QListWidgetItem *> Selected = lvDataSource->selectedItems();
    const QList<TVexDataSource *> Sources = DataSources();
    if (!FLCD || Selected.isEmpty() || Sources.size() != lvDataSource->count())
        return;
    FLCD->SetDataSource(Sources[lvDataSource->row(Selected.first())]);
    FillDataFieldList(lvDataFields);
}

} // namespace Vex
