#include "controls/VexGauge.h"
#include "framework/FrameworkTestUtil.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// Records the area of every paint a widget receives.
class TPaintAreas : public QObject {
public:
    std::vector<QRect> Areas;

protected:
    bool eventFilter(QObject *, QEvent *Event) override {
        if (Event->type() == QEvent::Paint)
            Areas.push_back(static_cast<QPaintEvent *>(Event)->rect());
        return false;
    }
};

// A round gauge on a coloured form, shown, as a dashboard holds it.
struct ShownGauge : ::testing::Test {
    QWidget Form;
    TVexGauge *G = new TVexGauge(&Form);
    TPaintAreas Painted;
    ShownGauge() {
        Form.setStyleSheet(QStringLiteral("background: #3060a0"));
        Form.resize(181, 181);
        G->SetBounds(10, 10, 161, 161);
        Form.show();
        QApplication::processEvents();
        G->installEventFilter(&Painted);
    }
    // What the window shows: the backing store's pixels as the frames left them.
    QImage OnScreen() const {
        return Form.screen()
            ->grabWindow(Form.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // What a full paint of everything shows.
    QImage Rendered() { return Form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Frame() {
        Ticks(1);
        QApplication::processEvents();
    }
};
} // namespace

TEST_F(ShownGauge, FramesRepaintTheSweptBandAndLeaveWhatAFullPaintShows) {
    ASSERT_FALSE(OnScreen().isNull());
    G->SetFloat(70);
    for (int I = 0; I < 40; ++I)
        Frame();
    // One paint per frame, each a part of the gauge around the needle.
    ASSERT_EQ(Painted.Areas.size(), 40u);
    for (const QRect &Area : Painted.Areas)
        EXPECT_LT(Area.width() * Area.height(), 161 * 161 / 2);
    EXPECT_EQ(OnScreen(), Rendered());
    // A new target repaints its value text with the next frame.
    G->SetFloat(15.25f);
    Frame();
    EXPECT_EQ(OnScreen(), Rendered());
}

TEST_F(ShownGauge, CornersShowTheFormAndTheOutlineClipsOnlyWhatReachesBeyondIt) {
    // The arrow reaches past the face's radius; its tip is cut at the outline.
    G->SetArrowType(TVexGauge::atArrow);
    G->SetFloat(100);
    for (int I = 0; I < 3000 && G->DisplayValue() != 100; ++I)
        Ticks(1);
    QApplication::processEvents();
    const QImage Shown = OnScreen();
    EXPECT_EQ(Shown, Rendered());
    const QRgb Form = qRgb(0x30, 0x60, 0xa0);
    EXPECT_EQ(Shown.pixel(12, 12), Form);
    EXPECT_EQ(Shown.pixel(168, 168), Form);
    EXPECT_NE(Shown.pixel(90, 90), Form);
}

} // namespace Vex
