#include "controls/GaugeFaces.h"

#include "toolkit/VexStream.h"

#include <QtGlobal>

// The resource compiler's registration function lives in the global namespace.
static void RegisterGaugeFaces() {
    Q_INIT_RESOURCE(VexGaugeFaces);
}

namespace Vex {

std::unique_ptr<QImage> LoadGaugeFace(int Index) {
    // A static library's resources are registered only when something asks for them.
    static const bool Registered = (RegisterGaugeFaces(), true);
    Q_UNUSED(Registered);
    return LoadJPEGResource(QString::number(Index));
}

} // namespace Vex
