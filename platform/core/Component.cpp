#include "platform/core/Component.h"

#include <algorithm>

namespace Vex {

namespace {
int GDepth = 0;
// Components that joined the open scope.
std::vector<TVexComponent *> GPending;
// Batches whose Loaded() calls are running (a Loaded() may open and close a scope of its own).
std::vector<std::vector<TVexComponent *> *> GFinishing;
} // namespace

TVexComponent::TVexComponent() {
    TLoadingScope::Add(this);
}

TVexComponent::~TVexComponent() {
    TLoadingScope::Forget(this);
}

void TVexComponent::SetDesigning(bool Value) {
    if (Value)
        FComponentState |= csDesigning;
    else
        FComponentState &= ~unsigned(csDesigning);
}

void TVexComponent::Loaded() {
    FComponentState &= ~unsigned(csLoading);
}

TLoadingScope::TLoadingScope() {
    ++GDepth;
}

TLoadingScope::~TLoadingScope() {
    if (--GDepth > 0)
        return;
    std::vector<TVexComponent *> Batch;
    Batch.swap(GPending);
    GFinishing.push_back(&Batch);
    // Entries are cleared by Forget() when an earlier Loaded() destroys a later component.
    for (size_t I = 0; I < Batch.size(); ++I)
        if (Batch[I])
            Batch[I]->Loaded();
    GFinishing.pop_back();
}

void TLoadingScope::Add(TVexComponent *Component) {
    if (GDepth == 0 || !Component || Component->IsLoading())
        return;
    Component->FComponentState |= csLoading;
    GPending.push_back(Component);
}

bool TLoadingScope::Active() {
    return GDepth > 0;
}

void TLoadingScope::Forget(TVexComponent *Component) {
    std::replace(GPending.begin(), GPending.end(), Component,
                 static_cast<TVexComponent *>(nullptr));
    for (std::vector<TVexComponent *> *Batch : GFinishing)
        std::replace(Batch->begin(), Batch->end(), Component,
                     static_cast<TVexComponent *>(nullptr));
}

} // namespace Vex
