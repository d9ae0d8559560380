#include "demo/VexComponentsDemo_Application.h"

#include "platform/core/Errors.h"

namespace Vex {

TVexDemoApplication::TVexDemoApplication(int &Argc, char **Argv) : QApplication(Argc, Argv) {}

bool TVexDemoApplication::notify(QObject *Receiver, QEvent *Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const EVexError &Error) {
        ApplicationShowError(Error.Message());
        return false;
    }
}

} // namespace Vex
