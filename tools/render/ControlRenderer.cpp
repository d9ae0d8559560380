#include "ControlRenderer.h"

#include "controls/ControlClasses.h"
#include "framework/VexGraphicControl.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/streaming/ComponentRegistry.h"
#include "toolkit/VexCompression.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <map>

namespace Vex {

namespace {
constexpr int KGap = 8;
constexpr int KCaptionHeight = 16;

} // namespace

TControlRenderer::TControlRenderer(int Columns)
    : FForm(std::make_unique<QWidget>()), FColumns(std::max(1, Columns)) {
    FForm->setAutoFillBackground(true);
    FForm->setPalette(QPalette(QColor(212, 208, 200)));
}

QString TControlRenderer::ClassOfFile(const QString &FileName) {
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw EVexError(FileName + QStringLiteral(": ") + File.errorString());
    QBuffer Stream;
    Stream.setData(File.read(64 * 1024 * 1024));
    Stream.open(QIODevice::ReadWrite);
    if (DetectStreamFormat(Stream.data().left(2)) == sfCompressed)
        DecompressStream(Stream);
    const QString Head = QString::fromLatin1(Stream.data().left(4096));
    static const QRegularExpression Header(
        QStringLiteral("^\\s*(?:object|inline|inherited)\\s+(?:\\w+\\s*:\\s*)?(\\w+)"));
    const QRegularExpressionMatch Match = Header.match(Head);
    if (!Match.hasMatch())
        throw EVexError(FileName + QStringLiteral(": not a control file"));
    return Match.captured(1);
}

TVexGraphicControl *TControlRenderer::AddFile(const QString &FileName) {
    const QString ClassName = ClassOfFile(FileName);
    RegisterControlClasses();
    if (!IsComponentClassRegistered(ClassName))
        throw EVexError(FileName + QStringLiteral(": no renderer for class ") + ClassName);
    QFile File(FileName);
    File.open(QIODevice::ReadOnly);
    const TVexStreamFormat Format = DetectStreamFormat(File.read(2));
    TVexGraphicControl *Control;
    {
        // Built and read as a form would be: one Loaded() at the end.
        TLoadingScope Scope;
        Control = qobject_cast<TVexGraphicControl *>(CreateComponent(ClassName, FForm.get()));
        if (!Control)
            throw EVexError(FileName + QStringLiteral(": ") + ClassName +
                            QStringLiteral(" is not a visual control"));
        Control->LoadFromFile(FileName, Format);
    }
    Place(Control, QFileInfo(FileName).fileName());
    return Control;
}

void TControlRenderer::Add(const std::function<TVexGraphicControl *(QWidget *)> &Make,
                           const QString &Caption) {
    Place(Make(FForm.get()), Caption);
}

void TControlRenderer::Place(TVexGraphicControl *Control, const QString &Caption) {
    if (FCount > 0 && FCount % FColumns == 0) {
        FRowTop += FRowHeight + KCaptionHeight + KGap;
        FRowHeight = 0;
        FX = KGap;
    }
    ++FCount;
    Control->SetBounds(FX, FRowTop, Control->Width(), Control->Height());
    auto *Label = new QLabel(Caption, FForm.get());
    Label->setGeometry(FX, FRowTop + Control->Height() + 2, std::max(Control->Width(), 120),
                       KCaptionHeight);
    FX += std::max(Control->Width(), 120) + KGap;
    FRowHeight = std::max(FRowHeight, Control->Height());
    FForm->resize(std::max(FForm->width(), FX), FRowTop + FRowHeight + KCaptionHeight + KGap);
}

QImage TControlRenderer::Render(int Frames) {
    // The pointer rests outside every control, so nothing is hovered in the picture.
    QCursor::setPos(-1000, -1000);
    FForm->show();
    // Labels and buttons advance one step per painted frame: paint after every tick.
    for (int I = 0; I < Frames; ++I) {
        if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
            Timer->Tick();
        QCoreApplication::processEvents();
    }
    return FForm->grab().toImage();
}

} // namespace Vex
