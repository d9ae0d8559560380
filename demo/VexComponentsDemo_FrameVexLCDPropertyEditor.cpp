#include "demo/VexComponentsDemo_FrameVexLCDPropertyEditor.h"

#include "controls/VexLCD.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "editors/fmVexLCDCE.h"

namespace Vex {

namespace {
const auto Registration = RegisterDemoPage(QStringLiteral("TfrmVexLCDPropertyEditor"),
                                           NewDemoPage<TfrmVexLCDPropertyEditor>);
} // namespace

void TfrmVexLCDPropertyEditor::FormCreate() {
    ulcdPropertyPageTest = Component<TVexLCD>(QStringLiteral("ulcdPropertyPageTest"));
    connect(ulcdPropertyPageTest, &TVexLCD::OnClick, this,
            &TfrmVexLCDPropertyEditor::ulcdPropertyPageTestClick);
}

TVexGraphicControl *TfrmVexLCDPropertyEditor::EditorControl() const {
    return ulcdPropertyPageTest;
}

void TfrmVexLCDPropertyEditor::ulcdPropertyPageTestClick() {
    TfrmVexLCDCE Editor(this);
    Editor.SetEditingLCD(ulcdPropertyPageTest);
    ShowModal(Editor);
}

} // namespace Vex
