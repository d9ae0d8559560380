#include "demo/VexComponentsDemo_Gallery.h"

#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Menu.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>

namespace Vex {

namespace {
// Lets the replaced frames go and runs the frame timer until the animations have settled.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int I = 0; I < GallerySettleFrames; ++I) {
        if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
            Timer->Tick();
        QCoreApplication::processEvents();
    }
}

// "VU-type gauges" -> "VU-type-gauges".
QString FileNamePart(const QString &Text) {
    static const QRegularExpression Unsafe(QStringLiteral("[^A-Za-z0-9]+"));
    return QString(Text).replace(Unsafe, QStringLiteral("-"));
}

class TGallery {
public:
    TGallery(TfrmMain &Main, const QString &Folder) : FMain(Main), FFolder(Folder) {}

    void Take(const QString &Name) {
        Settle();
        const QString File = FFolder.filePath(
            QStringLiteral("%1-%2.png").arg(FFiles.size() + 1, 2, 10, QLatin1Char('0')).arg(Name));
        if (!FMain.grab().save(File, "PNG"))
            throw EVexError(QStringLiteral("Cannot write %1").arg(File));
        FFiles << File;
    }

    QStringList Files() const { return FFiles; }

private:
    TfrmMain &FMain;
    QDir FFolder;
    QStringList FFiles;
};

bool Reachable(const TfrmMain &Main, const TDemoMenuEntry &Entry) {
    return DemoPageRegistered(Entry.PageClass) &&
           (!Entry.NeedsDatabase || Main.DatabaseAvailable());
}
} // namespace

QStringList WriteGallery(TfrmMain &Main, const QString &Folder) {
    if (!QDir().mkpath(Folder))
        throw EVexError(QStringLiteral("Cannot create the folder %1").arg(Folder));
    TGallery Gallery(Main, Folder);
    Main.show();
    Main.ShowContactPage();
    Gallery.Take(QStringLiteral("contact"));
    const std::vector<TDemoMenu> &Menus = DemoMenus();
    for (int I = 0; I < int(Menus.size()); ++I) {
        const TDemoMenu &Menu = Menus[size_t(I)];
        Main.OpenProduct(I);
        Gallery.Take(
            FileNamePart(Menu.Product + QStringLiteral(" ") + Menu.Entries.front().Caption));
        for (size_t E = 1; E < Menu.Entries.size(); ++E) {
            const TDemoMenuEntry &Entry = Menu.Entries[E];
            if (!Reachable(Main, Entry))
                continue;
            Main.ChooseMenuEntry(Entry);
            Gallery.Take(FileNamePart(Menu.Product + QStringLiteral(" ") + Entry.Caption));
        }
    }
    return Gallery.Files();
}

} // namespace Vex
