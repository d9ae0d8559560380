#include "DemoPageTest.h"
#include "controls/VexCylinderGauge.h"
#include "controls/VexDBLabel.h"
#include "controls/VexKnob.h"
#include "controls/VexLCD.h"
#include "editors/fmVexCylinderGaugeCE.h"
#include "editors/fmVexKnobCE.h"
#include "editors/fmVexLCDCE.h"
#include "platform/core/Maths.h"

#include <QLineEdit>
#include <QListWidget>

namespace Vex {

namespace {
TEST_F(DemoPages, KnobEditorPageEditsItsKnobAndAFreshPageForgetsTheEdits) {
    TDemoPage *Page = Open(QStringLiteral("VexKnob"), QStringLiteral("Property editor"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexKnob3");
    auto *Knob = qobject_cast<TVexKnob *>(Page->EditorControl());
    ASSERT_NE(Knob, nullptr);
    EXPECT_EQ(Knob->objectName(), "VexKnob2");
    EXPECT_EQ(Knob->geometry(), QRect(125, 99, 148, 148));
    EXPECT_EQ(Knob->KnobColor(), TColor(0xB0));
    EXPECT_EQ(Knob->MouseInputType(), TVexGraphicControl::mitDragXY);
    EXPECT_EQ(Knob->ScaleType(), stKnobRot0);
    EXPECT_EQ(Knob->ScaleFont().Height, -24);
    EXPECT_EQ(Knob->ScaleFont().Color, clWhite);
    EXPECT_EQ(Knob->MinAngle(), -90);
    EXPECT_EQ(Page->Component<TVexDBLabel>(QStringLiteral("VexDBLabel6"))->Text(),
              QStringList{"Go mayhem!"});
    // Every second a value from 0 to 8.999.
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    EXPECT_EQ(Timer->Interval(), 1000);
    SetRandSeed(4);
    for (int Tick = 0; Tick < 50; ++Tick) {
        Timer->Fire();
        EXPECT_GE(Knob->Float(), 0);
        EXPECT_LT(Knob->Float(), 9);
    }

    WorkDialog = [&](QDialog &Dialog) {
        auto *Editor = qobject_cast<TfrmVexKnobCE *>(&Dialog);
        ASSERT_NE(Editor, nullptr);
        EXPECT_EQ(Editor->EditingKnob(), Knob);
        EXPECT_EQ(Editor->parent(), Page);
        Editor->lvKnobSurfaceType->setCurrentRow(kstMetal);
    };
    Click(Knob);
    EXPECT_EQ(Dialogs, 1);
    EXPECT_EQ(Knob->KnobSurfaceType(), kstMetal);
    // The editor is gone with its page's click; the knob stays as edited.
    EXPECT_TRUE(Page->findChildren<QDialog *>().isEmpty());

    TDemoPage *Fresh = Open(QStringLiteral("VexKnob"), QStringLiteral("Property editor"));
    ASSERT_NE(Fresh, Page);
    EXPECT_EQ(qobject_cast<TVexKnob *>(Fresh->EditorControl())->KnobSurfaceType(), kstSmooth);
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}

TEST_F(DemoPages, LcdEditorPageEditsItsLcd) {
    TDemoPage *Page = Open(QStringLiteral("VexLCD"), QStringLiteral("Property editor"));
    ASSERT_NE(Page, nullptr);
    auto *LCD = qobject_cast<TVexLCD *>(Page->EditorControl());
    ASSERT_NE(LCD, nullptr);
    EXPECT_EQ(LCD->objectName(), "ulcdPropertyPageTest");
    EXPECT_EQ(LCD->size(), QSize(393, 145));
    EXPECT_FLOAT_EQ(LCD->Value(), 123.456f);
    EXPECT_EQ(LCD->Color(), clGray);
    EXPECT_EQ(LCD->HMargin(), 26);
    EXPECT_EQ(LCD->DisplayText(), "123.46");
    WorkDialog = [&](QDialog &Dialog) {
        auto *Editor = qobject_cast<TfrmVexLCDCE *>(&Dialog);
        ASSERT_NE(Editor, nullptr);
        EXPECT_EQ(Editor->EditingLCD(), LCD);
        Editor->editFormat->setText(QStringLiteral("0.0"));
    };
    Click(LCD);
    EXPECT_EQ(Dialogs, 1);
    EXPECT_EQ(LCD->Format(), "0.0");
    EXPECT_EQ(LCD->DisplayText(), "123.5");
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}

TEST_F(DemoPages, DrumEditorPageEditsItsDrumWhileItRolls) {
    TDemoPage *Page = Open(QStringLiteral("VexCylinderGauge"), QStringLiteral("Property editor"));
    ASSERT_NE(Page, nullptr);
    auto *Drum = qobject_cast<TVexCylinderGauge *>(Page->EditorControl());
    ASSERT_NE(Drum, nullptr);
    EXPECT_EQ(Drum->objectName(), "VexCylinderGauge5");
    EXPECT_EQ(Drum->size(), QSize(89, 177));
    EXPECT_EQ(Drum->Font().Height, -27);
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    SetRandSeed(6);
    Timer->Fire();
    const float First = Drum->Position();
    Timer->Fire();
    EXPECT_NE(Drum->Position(), First);
    EXPECT_GE(Drum->Position(), Drum->Min());
    EXPECT_LT(Drum->Position(), Drum->Max());
    WorkDialog = [&](QDialog &Dialog) {
        auto *Editor = qobject_cast<TfrmVexCylinderGaugeCE *>(&Dialog);
        ASSERT_NE(Editor, nullptr);
        EXPECT_EQ(Editor->EditingCylinderGauge(), Drum);
        // A page of its own, over no other window.
        EXPECT_EQ(Editor->parent(), nullptr);
        Editor->editMaxValue->setText(QStringLiteral("200"));
        // The page's timer goes on while the editor is open.
        Timer->Fire();
    };
    Click(Drum);
    EXPECT_EQ(Dialogs, 1);
    EXPECT_EQ(Drum->Max(), 200);
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}
} // namespace

} // namespace Vex
