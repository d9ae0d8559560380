// VexEditorShots: pictures of the gauge's editor page, one per tab, each beside the gauge it
// edits, without a display.
//
//   VexEditorShots DIR
//
// Before each tab is photographed, one of its inputs is changed the way a user would change it
// (a face chosen, the angles dragged, a colour picked, a text typed), so the pictures show the
// gauge following the page. The colour and font dialogs answer by themselves.

#include "controls/VexGauge.h"
#include "editors/VexEditorDialogs.h"
#include "editors/fmVexGaugeCE.h"
#include "framework/VexVBlankTimer.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

using namespace Vex;

namespace {
constexpr int KGap = 16;
constexpr int KTitleHeight = 24;

// Frames of the shared timer, each followed by a paint, as a shown window would get them.
void Frames(int Count) {
    for (int I = 0; I < Count; ++I) {
        if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
            Timer->Tick();
        QCoreApplication::processEvents();
    }
}

// The page with its caption above it, and the gauge's form to the right.
QImage Compose(TfrmVexGaugeCE &Page, QWidget &Form) {
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

template <typename T> T *Find(TfrmVexGaugeCE &Page, const char *Name) {
    return Page.findChild<T *>(QLatin1String(Name));
}

// What the user does on tab Index before it is photographed.
void ChangeOn(TfrmVexGaugeCE &Page, int Index) {
    switch (Index) {
    case 0:
        Page.lvGauges->setCurrentRow(7);
        break;
    case 1:
        Find<TVexSlider>(Page, "tbMinAngle")->SetPosition(225);
        Find<TVexSlider>(Page, "tbMaxAngle")->SetPosition(-45);
        break;
    case 2:
        SetColorDialog([](QWidget *, TColor) { return RGB(255, 170, 40); });
        Click(Page.panelTickColor);
        Click(Page.ubTicksConnected);
        break;
    case 3:
        Page.editMaxValue->setText(QStringLiteral("200"));
        break;
    case 4:
        Page.editUnitText->setText(QStringLiteral("km/h"));
        Find<TVexSlider>(Page, "tbUnitChoordY")->SetPosition(30);
        break;
    case 6:
        Page.lbArrowTypes->setCurrentRow(TVexGauge::atArrow);
        SetColorDialog([](QWidget *, TColor) { return RGB(230, 40, 40); });
        Click(Page.panelArrowColor);
        break;
    default:
        break;
    }
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

    QWidget Form;
    Form.resize(232, 387);
    Form.setAutoFillBackground(true);
    auto *Gauge = new TVexGauge(&Form);
    Gauge->setObjectName(QStringLiteral("VexGauge1"));
    Gauge->SetBounds(16, 16, 200, 200);
    Form.show();
    Frames(1);
    Gauge->SetFloat(62);

    TfrmVexGaugeCE Page;
    Page.SetEditingGauge(Gauge);
    Page.show();
    for (int Index = 0; Index < Page.PageControl->count(); ++Index) {
        Page.PageControl->setCurrentIndex(Index);
        ChangeOn(Page, Index);
        // Long enough for the labels to type out and the needle to settle.
        Frames(400);
        const QString Name = QStringLiteral("gauge-editor-%1-%2.png")
                                 .arg(Index + 1)
                                 .arg(Page.PageControl->tabText(Index).toLower());
        const QString Path = Dir.filePath(Name);
        if (!Compose(Page, Form).save(Path)) {
            std::fprintf(stderr, "VexEditorShots: cannot write %s\n", qPrintable(Path));
            return 1;
        }
        std::printf("%s\n", qPrintable(Path));
    }
    return 0;
}
