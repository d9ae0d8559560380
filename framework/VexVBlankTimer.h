#pragma once
// The one 20 ms frame timer of the process. It belongs to the application object, is found by
// its name "VBlankTimer", and calls FrameTick of every subscribed control that has a parent,
// in subscription order. It runs only while some subscribed control needs frames (it animates,
// or a handler is connected to its OnVBS): at rest the process is not woken at all, and the
// control whose animation starts wakes the timer.

#include "platform/core/VexExport.h"
#include <QTimer>
#include <vector>

namespace Vex {

class TVexVBSGraphicControl;

class VEX_EXPORT TVexVBlankTimer : public QTimer {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 20;
    static inline const char *const ComponentName = "VBlankTimer";

    explicit TVexVBlankTimer(QObject *Owner);
    ~TVexVBlankTimer() override;

    // The application's frame timer, created (owned by the application object) when missing.
    // Null when there is no application object to own it.
    static TVexVBlankTimer *Instance();
    static TVexVBlankTimer *Find();

    void AddControl(TVexVBSGraphicControl *Control);
    void RemoveControl(TVexVBSGraphicControl *Control);
    int ControlCount() const;
    TVexVBSGraphicControl *Control(int Index) const;

    // One frame: normally the timeout handler; tests call it to advance animations. After the
    // frame the timer stops when no control with a parent needs further frames.
    void Tick();
    // Starts the ticking, unless it runs already.
    void Wake();

private:
    std::vector<TVexVBSGraphicControl *> FControls;
    // While a tick walks the list, removals only clear their entry; the list is compacted after.
    int FTickDepth = 0;
    bool FHasHoles = false;
};

} // namespace Vex
