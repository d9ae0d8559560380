// A control file read into a fresh instrument of one class (VEX_FUZZ_CLASS), as a user loading a
// colleague's file would. A refused file must leave the control exactly as it was; an accepted
// one must paint and animate, save again, and read its own saved text back.

#include "FuzzSupport.h"

#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexStream.h"

#include <QWidget>
#include <memory>

namespace Vex {

namespace {
void CheckAccepted(QWidget &Control) {
    PaintAndTick(Control, 3);
    CheckSavedTextReadsBack(Control, [](QObject &Root, const QString &Text) {
        ReadComponentText(Root, Text, QStringLiteral("saved"));
    });
    PaintAndTick(Control, 1);
}

int CheckOne(const QByteArray &Data) {
    if (SizesBeyondFuzzLimit(ControlText(Data)))
        return -1;
    QWidget Form;
    Form.resize(400, 300);
    std::unique_ptr<QObject> Component(MakeComponent(VEX_FUZZ_CLASS, &Form));
    QWidget &Control = *static_cast<QWidget *>(Component.get());
    // Files are loaded into controls that are on screen already.
    PaintAndTick(Control, 0);
    const QString Before = WriteComponentText(Control);
    try {
        LoadControlFromData(Control, Data, DetectStreamFormat(Data), QStringLiteral("input"));
    } catch (const EVexError &) {
        ExpectSameText(Before, WriteComponentText(Control), "a refused file changed the control");
        return 0;
    }
    CheckAccepted(Control);
    return 0;
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    return Vex::CheckOne(QByteArray(reinterpret_cast<const char *>(Data), qsizetype(Size)));
}
