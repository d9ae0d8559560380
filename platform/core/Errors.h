#pragma once
// The library's error: raised for files that cannot be read or written, corrupt compressed data
// and database failures. Property values are never errors: setters refuse bad values silently.
//
// Errors raised while Qt delivers an event (a click that loads a file, a release that writes a
// field) cannot travel through Qt's event loop; the controls catch them there and hand them to
// the application's error handler, which shows the message to the user.

#include "platform/core/VexExport.h"
#include <QString>
#include <functional>
#include <stdexcept>

namespace Vex {

class VEX_EXPORT EVexError : public std::runtime_error {
public:
    explicit EVexError(const QString &Message)
        : std::runtime_error(Message.toStdString()), FMessage(Message) {}
    const QString &Message() const { return FMessage; }

private:
    QString FMessage;
};

// The text to show for any error: an EVexError's message, or what() of another exception.
VEX_EXPORT QString ErrorMessage(const std::exception &Error);

using TErrorHandler = std::function<void(const QString &Message)>;

// Shows Message through the application's handler: a message box unless one was installed
// (tests and embedding applications install their own so nothing blocks).
VEX_EXPORT void ApplicationShowError(const QString &Message);
// Installs Handler; an empty one restores the message box. Returns the previous handler.
VEX_EXPORT TErrorHandler SetApplicationErrorHandler(TErrorHandler Handler);

} // namespace Vex
