#include "framework/VexVBSGraphicControlDA.h"

namespace Vex {

TVexVBSGraphicControlDA::TVexVBSGraphicControlDA(QWidget *Parent)
    : TVexVBSGraphicControl(Parent), FDataLink(std::make_unique<TFieldDataLink>(nullptr)) {
    // Through the virtual call the most derived DataChange hears the link.
    FDataLink->OnDataChange = [this](TFieldDataLink *Link) { DataChange(Link); };
    FDataLink->OnSourceRemoved = [this] { SetDataSource(nullptr); };
}

TVexVBSGraphicControlDA::~TVexVBSGraphicControlDA() {
    FDataLink->OnDataChange = nullptr;
    FDataLink->OnSourceRemoved = nullptr;
}

void TVexVBSGraphicControlDA::SetDataSource(TVexDataSource *Value) {
    FDataLink->SetDataSource(Value);
}

void TVexVBSGraphicControlDA::DataChange(QObject *) {}

bool TVexVBSGraphicControlDA::event(QEvent *Event) {
    if (Event->type() == TGetDataLinkEvent::EventType) {
        static_cast<TGetDataLinkEvent *>(Event)->Link = FDataLink.get();
        return true;
    }
    return TVexVBSGraphicControl::event(Event);
}

} // namespace Vex
