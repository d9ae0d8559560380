#include "GaugeSheet.h"

#include "ControlRenderer.h"
#include "controls/VexGauge.h"

#include <QMetaEnum>

namespace Vex {

void AddGaugeSheet(TControlRenderer &Renderer) {
    const QSize FaceSizes[TVexGauge::FaceCount] = {
        {238, 238}, {200, 201}, {210, 210}, {220, 220}, {400, 400}, {400, 300}, {300, 294},
        {250, 250}, {194, 159}, {220, 220}, {200, 200}, {165, 165}, {200, 200}, {160, 160},
        {200, 200}, {100, 100}, {327, 327}, {216, 216}, {242, 241}, {239, 239}, {214, 213}};
    for (int Face = 1; Face <= TVexGauge::FaceCount; ++Face) {
        const QSize Size = FaceSizes[Face - 1].scaled(180, 180, Qt::KeepAspectRatio);
        Renderer.Add(
            [&](QWidget *Parent) {
                auto *G = new TVexGauge(Parent);
                G->SetForceSquare(Size.width() == Size.height());
                G->SetBounds(0, 0, Size.width(), Size.height());
                G->SetResourceImageIndex(Face);
                G->SetFloat(62);
                if (Face == 6 || Face == 7 || Face == 9)
                    G->SetCoverHeight(30);
                return G;
            },
            QStringLiteral("face %1").arg(Face));
    }
    const QMetaEnum Types = QMetaEnum::fromType<TVexGauge::TArrowType>();
    for (int Type = 0; Type < Types.keyCount(); ++Type)
        Renderer.Add(
            [&](QWidget *Parent) {
                auto *G = new TVexGauge(Parent);
                G->SetBounds(0, 0, 180, 180);
                G->SetArrowType(TVexGauge::TArrowType(Types.value(Type)));
                G->SetFloat(62);
                return G;
            },
            QString::fromLatin1(Types.key(Type)));
}

} // namespace Vex
