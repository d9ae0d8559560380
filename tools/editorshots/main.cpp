// VexEditorShots: pictures of the editor pages, one per tab, each beside the control it edits,
// without a display.
//
//   VexEditorShots DIR
//
// Each page edits a control set up as on its demonstration page. Before each tab is
// photographed, one or two of its inputs are changed the way a user would change them (a
// slider dragged, a colour picked, a text typed, a list item chosen), so the pictures show the
// control following the page. The colour and font dialogs answer by themselves. The LCD and the
// drum are bound to a small table in memory, so their field lists have something to show.

#include "controls/VexCylinderGauge.h"
#include "controls/VexGauge.h"
#include "controls/VexKnob.h"
#include "controls/VexLCD.h"
#include "editors/VexEditorDialogs.h"
#include "editors/fmVexCylinderGaugeCE.h"
#include "editors/fmVexGaugeCE.h"
#include "editors/fmVexKnobCE.h"
#include "editors/fmVexLCDCE.h"
#include "framework/VexVBlankTimer.h"
#include "platform/data/VexDataSource.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

using namespace Vex;

namespace {
constexpr int KGap = 16;
constexpr int KTitleHeight = 24;
constexpr int KFormMargin = 16;

// Frames of the shared timer, each followed by a paint, as a shown window would get them.
void Frames(int Count) {
    for (int I = 0; I < Count; ++I) {
        if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
            Timer->Tick();
        QCoreApplication::processEvents();
    }
}

// The page with its caption above it, and the control's form to the right.
QImage Compose(TVexEditorPage &Page, QWidget &Form) {
    const QImage PageImage = Page.grab().toImage();
    const QImage FormImage = Form.grab().toImage();
    QImage Sheet(PageImage.width() + KGap + FormImage.width(),
                 KTitleHeight + std::max(PageImage.height(), FormImage.height()),
                 QImage::Format_RGB32);
    Sheet.fill(QColor(90, 96, 104));
    QPainter P(&Sheet);
    P.fillRect(0, 0, PageImage.width(), KTitleHeight, QColor(40, 70, 120));
    P.setPen(Qt::white);
    P.drawText(QRect(8, 0, PageImage.width() - 16, KTitleHeight), Qt::AlignVCenter,
               Page.windowTitle());
    P.drawImage(0, KTitleHeight, PageImage);
    P.drawImage(PageImage.width() + KGap, KTitleHeight, FormImage);
    return Sheet;
}

// A left click in the middle of Widget.
void Click(QWidget *Widget) {
    const QPointF At = QRectF(Widget->rect()).center();
    for (const QEvent::Type Type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent Event(Type, At, Widget->mapToGlobal(At), Qt::LeftButton,
                          Type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Widget, &Event);
    }
    // The pointer moves on, so the picture shows no hover highlight.
    QEvent Leave(QEvent::Leave);
    QCoreApplication::sendEvent(Widget, &Leave);
}

// What the user does to one input, found by its component name.
using TAction = std::function<void(TVexEditorPage &)>;

template <typename T> T *Find(TVexEditorPage &Page, const char *Name) {
    T *Input = Page.findChild<T *>(QLatin1String(Name));
    if (!Input) {
        std::fprintf(stderr, "VexEditorShots: the page has no %s\n", Name);
        std::exit(1);
    }
    return Input;
}

TAction Slide(const char *Slider, float Position) {
    return [=](TVexEditorPage &Page) { Find<TVexSlider>(Page, Slider)->SetPosition(Position); };
}

TAction PickColor(const char *Panel, TColor Color) {
    return [=](TVexEditorPage &Page) {
        SetColorDialog([Color](QWidget *, TColor) { return Color; });
        Click(Find<QWidget>(Page, Panel));
    };
}

TAction Type(const char *Edit, const char *Text) {
    return [=](TVexEditorPage &Page) {
        QWidget *Input = Find<QWidget>(Page, Edit);
        if (auto *Memo = qobject_cast<QPlainTextEdit *>(Input))
            Memo->setPlainText(QLatin1String(Text));
        else
            Find<QLineEdit>(Page, Edit)->setText(QLatin1String(Text));
    };
}

TAction Choose(const char *List, int Row) {
    return [=](TVexEditorPage &Page) {
        QWidget *Input = Find<QWidget>(Page, List);
        if (auto *Fields = qobject_cast<QTreeWidget *>(Input))
            Fields->setCurrentItem(Fields->topLevelItem(Row));
        else
            Find<QListWidget>(Page, List)->setCurrentRow(Row);
    };
}

TAction ClickOn(const char *Name) {
    return [=](TVexEditorPage &Page) { Click(Find<QWidget>(Page, Name)); };
}

// One page photographed: Open puts its control on the form and returns the page loaded with
// it; Changes[i] are done on tab i before its picture is taken.
struct TSubject {
    const char *Name;
    QSize Form;
    std::function<TVexEditorPage *(QWidget &Form)> Open;
    std::vector<std::vector<TAction>> Changes;
};

// A small parts table in memory behind a data source the application owns; the LCD and the
// drum are bound to it.
TVexDataSource *PartsSource() {
    static TVexDataSource *Source = [] {
        QSqlDatabase Db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        Db.setDatabaseName(QStringLiteral(":memory:"));
        Db.open();
        QSqlQuery Query(Db);
        Query.exec(QStringLiteral("CREATE TABLE parts (PartNo INTEGER PRIMARY KEY, Description "
                                  "VARCHAR(30), OnHand INTEGER, Cost NUMERIC(10, 2))"));
        Query.exec(QStringLiteral("INSERT INTO parts VALUES (1010, 'Needle, lance 60 mm', 142, "
                                  "1.85)"));
        auto *Table = new TVexTable(QCoreApplication::instance());
        Table->SetDatabase(Db);
        Table->SetTableName(QStringLiteral("parts"));
        Table->Open();
        auto *Parts = new TVexDataSource(QCoreApplication::instance());
        Parts->setObjectName(QStringLiteral("dsParts"));
        Parts->SetDataSet(Table);
        return Parts;
    }();
    return Source;
}

TVexEditorPage *OpenGauge(QWidget &Form) {
    auto *Gauge = new TVexGauge(&Form);
    Gauge->setObjectName(QStringLiteral("VexGauge1"));
    Gauge->SetBounds(KFormMargin, KFormMargin, 200, 200);
    Gauge->SetFloat(62);
    auto *Page = new TfrmVexGaugeCE;
    Page->SetEditingGauge(Gauge);
    return Page;
}

// The knob of the knob's property editor page: numbers on the face turning under a fixed
// indicator.
TVexEditorPage *OpenKnob(QWidget &Form) {
    auto *Knob = new TVexKnob(&Form);
    Knob->setObjectName(QStringLiteral("VexKnob2"));
    Knob->SetBounds(KFormMargin, KFormMargin, 148, 148);
    Knob->SetKnobSize(90);
    Knob->SetKnobSurfaceType(kstSmooth);
    Knob->SetKnobColor(0xB0);
    Knob->SetContrast(113);
    Knob->SetGranularity(90);
    Knob->SetMax(9);
    Knob->SetMinAngle(-90);
    Knob->SetMaxAngle(235);
    Knob->SetMouseInputType(TVexGraphicControl::mitDragXY);
    Knob->SetTickType(itTriangle);
    Knob->SetTickRadius(83);
    Knob->SetTickCount(1);
    Knob->SetTickLen(6);
    Knob->SetTickWidth(4);
    Knob->SetTickColor(clWhite);
    Knob->SetIndicatorType(itTriangle);
    Knob->SetIndicatorLocation(ilOnBackground);
    Knob->SetIndicatorRadius(100);
    Knob->SetIndicatorLength(-12);
    Knob->SetScaleType(stKnobRot0);
    Knob->SetScaleItemCount(10);
    Knob->SetScaleRadius(68);
    TFont Font = Knob->ScaleFont();
    Font.Height = -24;
    Font.Style = fsBold;
    Font.Color = clWhite;
    Knob->SetScaleFont(Font);
    Knob->SetFloat(4);
    auto *Page = new TfrmVexKnobCE;
    Page->FSetEditingComponent(Knob);
    return Page;
}

TVexEditorPage *OpenLCD(QWidget &Form) {
    auto *LCD = new TVexLCD(&Form);
    LCD->setObjectName(QStringLiteral("ulcdPropertyPageTest"));
    LCD->SetBounds(KFormMargin, KFormMargin, 393, 145);
    LCD->SetValue(123.456f);
    LCD->SetColor(clGray);
    LCD->SetLightIntensity(100);
    LCD->SetHMargin(26);
    LCD->SetDataSource(PartsSource());
    auto *Page = new TfrmVexLCDCE;
    Page->SetEditingLCD(LCD);
    return Page;
}

TVexEditorPage *OpenDrum(QWidget &Form) {
    auto *Drum = new TVexCylinderGauge(&Form);
    Drum->setObjectName(QStringLiteral("VexCylinderGauge5"));
    Drum->SetBounds(KFormMargin, KFormMargin, 89, 177);
    TFont Font = Drum->Font();
    Font.Height = -27;
    Drum->SetFont(Font);
    Drum->SetDataSource(PartsSource());
    Drum->SetDataField(QStringLiteral("OnHand"));
    auto *Page = new TfrmVexCylinderGaugeCE;
    Page->SetEditingCylinderGauge(Drum);
    return Page;
}

const std::vector<TSubject> &Subjects() {
    static const std::vector<TSubject> List = {
        {"gauge",
         {232, 387},
         OpenGauge,
         {{Choose("lvGauges", 7)},
          {Slide("tbMinAngle", 225), Slide("tbMaxAngle", -45)},
          {PickColor("panelTickColor", RGB(255, 170, 40)), ClickOn("ubTicksConnected")},
          {Type("editMaxValue", "200")},
          {Type("editUnitText", "km/h"), Slide("tbUnitChoordY", 30)},
          {},
          {Choose("lbArrowTypes", TVexGauge::atArrow),
           PickColor("panelArrowColor", RGB(230, 40, 40))},
          {}}},
        {"knob",
         {180, 423},
         OpenKnob,
         {{Choose("lvKnobSurfaceType", kstMetal2), Slide("utbBevelWidth", 6)},
          {Type("memoCaptions", "Off\nLow\nMid\nHigh"), ClickOn("ubIndexed")},
          {PickColor("pnlTickColor", RGB(255, 210, 0)), Slide("utbTickLength", 14)},
          {PickColor("pnlIndicatorColor", RGB(230, 40, 40)),
           Choose("lbIndicatorType", itRectangle)},
          {Slide("tbSluggishness", 40)}}},
        {"lcd",
         {425, 229},
         OpenLCD,
         {{Slide("usCharacterWidth", 0.6f), ClickOn("pnlBottom")},
          {PickColor("pnlCharacterColor", RGB(0, 0, 96)), Slide("usLightningRate", 40)},
          {Type("editFormat", "0.0")},
          {Choose("lvDataSource", 0), Choose("lvDataFields", 2)}}},
        {"drum",
         {121, 268},
         OpenDrum,
         {{Slide("usValueSpacing", 60)},
          {PickColor("pnlIndicatorColor", RGB(0, 90, 200)), ClickOn("ubTransparentIndicator")},
          {Type("editStep", "25"), Slide("usTicksPerValue", 5)},
          {Choose("lvDataFields", 2)},
          {Slide("usSluggishness", 20)}}},
    };
    return List;
}

// Photographs Subject's page tab by tab into Dir; false when a picture cannot be written.
bool Photograph(const TSubject &Subject, const QDir &Dir) {
    QWidget Form;
    Form.resize(Subject.Form);
    Form.setAutoFillBackground(true);
    std::unique_ptr<TVexEditorPage> Page(Subject.Open(Form));
    Form.show();
    Page->show();
    for (int Index = 0; Index < Page->PageControl->count(); ++Index) {
        Page->PageControl->setCurrentIndex(Index);
        if (Index < int(Subject.Changes.size()))
            for (const TAction &Change : Subject.Changes[Index])
                Change(*Page);
        // Long enough for the labels to type out and the needles and drums to settle.
        Frames(400);
        const QString Name = QStringLiteral("%1-editor-%2-%3.png")
                                 .arg(QLatin1String(Subject.Name))
                                 .arg(Index + 1)
                                 .arg(Page->PageControl->tabText(Index).toLower());
        const QString Path = Dir.filePath(Name);
        if (!Compose(*Page, Form).save(Path)) {
            std::fprintf(stderr, "VexEditorShots: cannot write %s\n", qPrintable(Path));
            return false;
        }
        std::printf("%s\n", qPrintable(Path));
    }
    return true;
}
} // namespace

int main(int argc, char **argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    const QStringList Args = App.arguments().mid(1);
    if (Args.size() != 1) {
        std::fprintf(stderr, "usage: VexEditorShots DIR\n");
        return 2;
    }
    const QDir Dir(Args.first());
    if (!Dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "VexEditorShots: cannot make %s\n", qPrintable(Dir.path()));
        return 1;
    }
    for (const TSubject &Subject : Subjects())
        if (!Photograph(Subject, Dir))
            return 1;
    return 0;
}
