#include "demo/VexComponentsDemo_Contact.h"

#include "demo/VexComponentsDemo_Widgets.h"
#include "platform/core/Component.h"

#include <QLabel>
#include <QPixmap>
#include <iterator>

namespace Vex {

namespace {
constexpr int KTextLeft = 16;
constexpr int KValueLeft = 208;
constexpr int KParagraphTop = 100;
constexpr int KParagraphStep = 17;
constexpr int KContactTop = 275;
constexpr int KContactStep = 16;

const char *const KParagraph[] = {
    "VexComponents is a library of animated instrument controls for Qt:",
    "needle gauges, rotary knobs, seven-segment and dot-matrix displays,",
    "rolling drum counters, sliders, buttons and typewriter labels.",
    "Every control draws itself smoothly, moves toward new values under a",
    "damped spring, can follow a database field and saves its settings.",
};

struct TContactLine {
    const char *Caption;
    const char *Value;
};

const TContactLine KContactLines[] = {
    {"For additional information:", "see the project README"},
    {"To purchase:", "see the project README"},
    {"To download the latest version:", "see the project repository"},
};

void AddPicture(QWidget *Parent, const QString &Name, const QString &Resource, QPoint At) {
    auto *Picture = new QLabel(Parent);
    Picture->setObjectName(Name);
    const QPixmap Image(Resource);
    Picture->setPixmap(Image);
    Picture->setGeometry(QRect(At, Image.size()));
}
} // namespace

TfrmContact::TfrmContact(QWidget *Parent) : QFrame(Parent) {
    setObjectName(QStringLiteral("TfrmContact"));
    SetBackground(this, clWhite);
    TLoadingScope Loading;
    AddPicture(this, QStringLiteral("imgBanner"), QStringLiteral(":/banners/banner.jpg"), {16, 8});
    AddPicture(this, QStringLiteral("imgLogo"), QStringLiteral(":/banners/logo.jpg"), {8, 192});
    NewLabel(this, QStringLiteral("lblProductInformation"), {KTextLeft, 76}, 400,
             QStringLiteral("PRODUCT INFORMATION"), DemoFont(-19));
    for (int I = 0; I < int(std::size(KParagraph)); ++I)
        NewLabel(this, QStringLiteral("lblProduct%1").arg(I + 1),
                 {KTextLeft, KParagraphTop + I * KParagraphStep}, 530,
                 QString::fromLatin1(KParagraph[I]), DemoFont(-15));
    NewLabel(this, QStringLiteral("lblContactInformation"), {KTextLeft, 256}, 400,
             QStringLiteral("CONTACT INFORMATION"), DemoFont(-19));
    for (int I = 0; I < int(std::size(KContactLines)); ++I) {
        const int Top = KContactTop + I * KContactStep;
        NewLabel(this, QStringLiteral("lblCaption%1").arg(I + 1), {KTextLeft, Top},
                 KValueLeft - KTextLeft, QString::fromLatin1(KContactLines[I].Caption),
                 DemoFont(-12));
        NewLabel(this, QStringLiteral("lblValue%1").arg(I + 1), {KValueLeft, Top}, 340,
                 QString::fromLatin1(KContactLines[I].Value), DemoFont(-12, fsItalic));
    }
}

} // namespace Vex
