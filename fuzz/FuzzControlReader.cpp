// The control-file reader on its own: bytes, plain or zlib-compressed, are decompressed, parsed
// and checked against the component their header names, and nothing is applied. One component
// of each class is made at start, so a run does no widget work and millions of runs are cheap.

#include "FuzzSupport.h"

#include "platform/core/Errors.h"
#include "platform/streaming/ComponentRegistry.h"
#include "toolkit/VexStream.h"

#include <QHash>
#include <QWidget>

namespace Vex {

namespace {
// Thrown by the reader's last step before it would set values: the text passed every check.
struct TChecked {};

QObject *RootFor(const QString &ClassName) {
    static QWidget Form;
    static const QHash<QString, QObject *> Roots = [] {
        QHash<QString, QObject *> Made;
        for (const QString &Class : RegisteredComponentClasses())
            Made.insert(Class, MakeComponent(Class, &Form));
        return Made;
    }();
    // A class that is none of them fails at the header, which is worth reaching too.
    return Roots.value(ClassName, Roots.value(QStringLiteral("TVexGauge")));
}

void CheckOne(const QByteArray &Data) {
    const QString Text = ControlText(Data);
    QObject *Root = RootFor(HeaderClassName(Text));
    bool Accepted = false;
    try {
        LoadControlFromData(*Root, Data, DetectStreamFormat(Data), QStringLiteral("input"),
                            [] { throw TChecked(); });
    } catch (const EVexError &) {
        // Refused, as bad files are.
    } catch (const TChecked &) {
        Accepted = true;
    }
    // A file that inflates to nothing has no header and cannot pass.
    Expect(!Accepted || !Text.isEmpty(), "a file without text was accepted");
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Vex::CheckOne(QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)));
    return 0;
}
