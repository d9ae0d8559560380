#include "platform/core/Errors.h"

#include <QApplication>
#include <QMessageBox>

namespace Vex {

namespace {
TErrorHandler &Handler() {
    static TErrorHandler Installed;
    return Installed;
}
} // namespace

QString ErrorMessage(const std::exception &Error) {
    if (const auto *Vex = dynamic_cast<const EVexError *>(&Error))
        return Vex->Message();
    return QString::fromLocal8Bit(Error.what());
}

void ApplicationShowError(const QString &Message) {
    if (Handler()) {
        Handler()(Message);
        return;
    }
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                              Message);
    else
        qWarning("%s", qPrintable(Message));
}

TErrorHandler SetApplicationErrorHandler(TErrorHandler NewHandler) {
    TErrorHandler Previous = std::move(Handler());
    Handler() = std::move(NewHandler);
    return Previous;
}

} // namespace Vex
