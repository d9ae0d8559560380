// Page descriptions: control-file text whose nested blocks create components of the registered
// classes. A refused description must create and change nothing; an accepted page must paint
// and animate, save, and read its own saved text back.

#include "FuzzSupport.h"

#include "platform/core/Errors.h"
#include "platform/streaming/ComponentStream.h"

#include <QWidget>

namespace Vex {

namespace {
int CheckOne(const QString &Text) {
    if (SizesBeyondFuzzLimit(Text))
        return -1;
    TFuzzPage Page;
    const QString Before = WriteComponentText(Page);
    try {
        ReadComponentDescription(Page, Text, QStringLiteral("input"));
    } catch (const EVexError &) {
        Expect(Page.children().isEmpty(), "a refused description created components");
        ExpectSameText(Before, WriteComponentText(Page), "a refused description changed the page");
        return 0;
    }
    PaintAndTick(Page, 3);
    CheckSavedTextReadsBack(Page, [](QObject &Root, const QString &Text) {
        ReadComponentDescription(Root, Text, QStringLiteral("saved"));
    });
    return 0;
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    // Descriptions are compiled-in text; as files they would be Latin-1 like control files.
    return Vex::CheckOne(
        QString::fromLatin1(reinterpret_cast<const char *>(Data), qsizetype(Size)));
}
