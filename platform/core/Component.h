#pragma once
// Component states shared by controls and non-visual components: csLoading while a control is
// being built or read from a control file, csDesigning for a control on a design surface.
// A TLoadingScope brackets such a build or read; when the outermost scope ends, every
// component created or read inside it that still exists gets Loaded() once, in the order it
// joined the scope.

#include "platform/core/VexExport.h"
#include <vector>

namespace Vex {

enum TComponentStateFlag : unsigned { csLoading = 1, csDesigning = 2 };

class VEX_EXPORT TVexComponent {
public:
    // Joins the open loading scope, if any.
    TVexComponent();
    virtual ~TVexComponent();
    TVexComponent(const TVexComponent &) = delete;
    TVexComponent &operator=(const TVexComponent &) = delete;

    unsigned ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState & csLoading; }
    bool IsDesigning() const { return FComponentState & csDesigning; }
    void SetDesigning(bool Value);

protected:
    // The end of loading: clears csLoading. Overrides call this first, then render.
    virtual void Loaded();

private:
    friend class TLoadingScope;
    unsigned FComponentState = 0;
};

class VEX_EXPORT TLoadingScope {
public:
    TLoadingScope();
    ~TLoadingScope();
    TLoadingScope(const TLoadingScope &) = delete;
    TLoadingScope &operator=(const TLoadingScope &) = delete;

    // Marks Component as loading and schedules its Loaded() for the end of the outermost open
    // scope. Does nothing when no scope is open or the component has joined already.
    static void Add(TVexComponent *Component);
    static bool Active();

private:
    friend class TVexComponent;
    static void Forget(TVexComponent *Component);
};

} // namespace Vex
