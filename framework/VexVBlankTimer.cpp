#include "framework/VexVBlankTimer.h"

#include "framework/VexVBSGraphicControl.h"
#include "platform/core/Errors.h"

#include <QCoreApplication>
#include <algorithm>

namespace Vex {

TVexVBlankTimer::TVexVBlankTimer(QObject *Owner) : QTimer(Owner) {
    setObjectName(QLatin1String(ComponentName));
    setInterval(IntervalMs);
    connect(this, &QTimer::timeout, this, &TVexVBlankTimer::Tick);
}

TVexVBlankTimer::~TVexVBlankTimer() {
    stop();
}

TVexVBlankTimer *TVexVBlankTimer::Find() {
    QCoreApplication *App = QCoreApplication::instance();
    return App ? App->findChild<TVexVBlankTimer *>(QLatin1String(ComponentName),
                                                   Qt::FindDirectChildrenOnly)
               : nullptr;
}

TVexVBlankTimer *TVexVBlankTimer::Instance() {
    if (TVexVBlankTimer *Timer = Find())
        return Timer;
    QCoreApplication *App = QCoreApplication::instance();
    return App ? new TVexVBlankTimer(App) : nullptr;
}

void TVexVBlankTimer::AddControl(TVexVBSGraphicControl *Control) {
    FControls.push_back(Control);
}

void TVexVBlankTimer::RemoveControl(TVexVBSGraphicControl *Control) {
    const auto It = std::find(FControls.begin(), FControls.end(), Control);
    if (It == FControls.end())
        return;
    if (FTickDepth > 0) {
        *It = nullptr;
        FHasHoles = true;
    } else {
        FControls.erase(It);
    }
}

int TVexVBlankTimer::ControlCount() const {
    return int(
        std::count_if(FControls.begin(), FControls.end(), [](auto *C) { return C != nullptr; }));
}

TVexVBSGraphicControl *TVexVBlankTimer::Control(int Index) const {
    for (TVexVBSGraphicControl *C : FControls)
        if (C && Index-- == 0)
            return C;
    return nullptr;
}

void TVexVBlankTimer::Tick() {
    // Controls subscribed during this tick wait for the next one; controls destroyed during it
    // leave a null entry behind, which is skipped. An error from one control's frame is shown
    // and the others still get theirs.
    const size_t Count = FControls.size();
    ++FTickDepth;
    for (size_t I = 0; I < Count; ++I) {
        TVexVBSGraphicControl *C = FControls[I];
        if (!C || !C->parentWidget())
            continue;
        try {
            C->Frame();
        } catch (const std::exception &Error) {
            ApplicationShowError(ErrorMessage(Error));
        }
    }
    if (--FTickDepth == 0 && FHasHoles) {
        std::erase(FControls, nullptr);
        FHasHoles = false;
    }
    if (FTickDepth == 0 && std::none_of(FControls.begin(), FControls.end(), [](auto *C) {
            return C && C->parentWidget() && C->NeedsFrames();
        }))
        stop();
}

void TVexVBlankTimer::Wake() {
    if (!isActive())
        start();
}

} // namespace Vex
