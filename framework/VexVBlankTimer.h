#pragma once
// The one 20 ms frame timer of the process. It belongs to the application object, is found by
// its name "VBlankTimer", and calls FrameTick of every subscribed control that has a parent,
// in subscription order.

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

    // One frame: normally the timeout handler; tests call it to advance animations.
    void Tick();

private:
    std::vector<TVexVBSGraphicControl *> FControls;
    // While a tick walks the list, removals only clear their entry; the list is compacted after.
    int FTickDepth = 0;
    bool FHasHoles = false;
};

} // namespace Vex
