#include "demo/VexComponentsDemo_Gallery.h"
#include "DemoPageTest.h"
#include "demo/VexComponentsDemo_Pages.h"

#include <QFileInfo>
#include <QImage>

namespace Vex {

namespace {
TEST_F(DemoPages, GalleryPhotographsEveryPageAndEveryEditorOverItsPage) {
    Main = std::make_unique<TfrmMain>();
    int Pages = 0, Editors = 0;
    for (const TDemoMenu &Menu : DemoMenus())
        for (const TDemoMenuEntry &Entry : Menu.Entries)
            if (DemoPageRegistered(Entry.PageClass)) {
                ++Pages;
                Editors += Entry.Caption == QLatin1String("Property editor");
            }
    QTemporaryDir Folder;
    const QStringList Files = WriteGallery(*Main, Folder.path());
    ASSERT_EQ(Files.size(), 1 + Pages + Editors);
    EXPECT_TRUE(Files.front().endsWith(QLatin1String("01-contact.png")));
    const QString GaugeEditor =
        Folder.filePath(QStringLiteral("07-VexGauge-Property-editor-editor.png"));
    EXPECT_TRUE(Files.contains(GaugeEditor));
    for (const QString &File : Files) {
        const QImage Picture(File);
        EXPECT_EQ(Picture.size(), Main->size()) << qPrintable(File);
    }
    // The editor stands over the page: the centre of the window shows the editor's tabs, not
    // the page's white.
    const QImage Page(Folder.filePath(QStringLiteral("06-VexGauge-Property-editor.png")));
    const QImage Editor(GaugeEditor);
    EXPECT_NE(Page.pixel(Page.rect().center()), Editor.pixel(Editor.rect().center()));
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_FALSE(Main->CurrentPage() == nullptr);
}

// The gallery's second runs the pages' timers on their intervals, from the page's opening.
TEST_F(DemoPages, GallerySecondFiresEachPageTimerOnItsInterval) {
    TDemoPage *Page = Open(QStringLiteral("VexCylinderGauge"));
    ASSERT_NE(Page, nullptr);
    int Fired = 0;
    QObject::connect(Page->Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer,
                     [&] { ++Fired; });
    RunPageFor(*Main, GallerySettleFrames);
    // At 0, 500 and 1000 ms.
    EXPECT_EQ(Fired, 3);
}
} // namespace

} // namespace Vex
