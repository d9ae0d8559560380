#include "demo/VexComponentsDemo_Gallery.h"

#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Page.h"
#include "demo/VexComponentsDemo_Tour.h"
#include "framework/VexGraphicControl.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace Vex {

namespace {
constexpr int KFrameMilliseconds = 20;
constexpr uint32_t KGallerySeed = 1;

// Paints and other posted work, but no timer of the platform: time passes only as the gallery
// says.
void DeliverPosted() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QPointer<TTimer>> RunningTimers(const TfrmMain &Main) {
    QList<QPointer<TTimer>> Timers;
    if (Main.CurrentPage())
        for (TTimer *Timer : Main.CurrentPage()->findChildren<TTimer *>())
            if (Timer->Enabled())
                Timers << Timer;
    return Timers;
}

class TGallery {
public:
    TGallery(TfrmMain &Main, const QString &Folder) : FMain(Main), FFolder(Folder) {}

    void Take(const QString &Name) {
        DeliverPosted();
        SetRandSeed(KGallerySeed);
        RunPageFor(FMain, GallerySettleFrames);
        Save(FMain.grab(), Name);
        if (auto *Page = qobject_cast<TDemoPage *>(FMain.CurrentPage()))
            if (TVexGraphicControl *Control = Page->EditorControl())
                TakeEditor(Control, Name + QStringLiteral("-editor"));
    }

    QStringList Files() const { return FFiles; }

private:
    void Save(const QPixmap &Picture, const QString &Name) {
        const QString File = FFolder.filePath(
            QStringLiteral("%1-%2.png").arg(FFiles.size() + 1, 2, 10, QLatin1Char('0')).arg(Name));
        if (!Picture.save(File, "PNG"))
            throw EVexError(QStringLiteral("Cannot write %1").arg(File));
        FFiles << File;
    }

    // Clicks Control as a user would; the editor it opens is photographed centred over the
    // window, as a modal page shows, and closed again.
    void TakeEditor(TVexGraphicControl *Control, const QString &Name) {
        QPixmap Picture;
        const TModalRunner Previous = SetModalRunner([&](QDialog &Editor) {
            Editor.show();
            DeliverPosted();
            // The editor's captions type themselves like the page's: one character a paint.
            for (int Frame = 0; Frame < GallerySettleFrames; ++Frame) {
                if (TVexVBlankTimer *FrameTimer = TVexVBlankTimer::Find())
                    FrameTimer->Tick();
                Editor.grab();
            }
            Picture = FMain.grab();
            const QPixmap Dialog = Editor.grab();
            QPainter Painter(&Picture);
            const QPoint At((Picture.width() - Dialog.width()) / 2,
                            (Picture.height() - Dialog.height()) / 2);
            Painter.drawPixmap(At, Dialog);
            Painter.setPen(Qt::black);
            Painter.drawRect(QRect(At, Dialog.size()).adjusted(-1, -1, 0, 0));
            Editor.hide();
        });
        ClickControl(Control);
        SetModalRunner(Previous);
        if (Picture.isNull())
            throw EVexError(QStringLiteral("No editor opened for %1").arg(Name));
        Save(Picture, Name);
    }

    TfrmMain &FMain;
    QDir FFolder;
    QStringList FFiles;
};

} // namespace

void RunPageFor(TfrmMain &Main, int Frames) {
    const QList<QPointer<TTimer>> Timers = RunningTimers(Main);
    const auto FireDue = [&](int Before, int Now) {
        for (const QPointer<TTimer> &Timer : Timers)
            if (Timer && (Before < 0 || Now / Timer->Interval() > Before / Timer->Interval()))
                Timer->Fire();
    };
    FireDue(-1, 0);
    for (int Frame = 1; Frame <= Frames; ++Frame) {
        if (TVexVBlankTimer *FrameTimer = TVexVBlankTimer::Find())
            FrameTimer->Tick();
        FireDue((Frame - 1) * KFrameMilliseconds, Frame * KFrameMilliseconds);
        DeliverPosted();
        // One paint per frame, as a screen would show it: labels type one character a paint.
        Main.repaint();
    }
}

QStringList WriteGallery(TfrmMain &Main, const QString &Folder) {
    if (!QDir().mkpath(Folder))
        throw EVexError(QStringLiteral("Cannot create the folder %1").arg(Folder));
    TGallery Gallery(Main, Folder);
    Main.show();
    // The window system's answer to the show (the window is exposed and may paint) arrives
    // through the event loop.
    QCoreApplication::processEvents();
    for (const TDemoStop &Stop : DemoTour(Main)) {
        Stop.Show(Main);
        Gallery.Take(Stop.Name);
    }
    return Gallery.Files();
}

} // namespace Vex
