// VexFaceGenerator: draws the 21 blank gauge faces into a folder as 1.jpg .. 21.jpg, on request
// a contact sheet of them, and with --banners the contact page's logo and product banner.

#include "Banners.h"
#include "ContactSheet.h"
#include "FaceGenerator.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstring>
#include <memory>

using namespace Vex;

namespace {
bool HasOption(int Argc, char **Argv, const char *Name) {
    for (int I = 1; I < Argc; ++I)
        if (std::strncmp(Argv[I], Name, std::strlen(Name)) == 0)
            return true;
    return false;
}

// The faces are painted on images only and need no GUI application; the sheet's captions and
// the banners' lettering need fonts, and those a GUI application, which never needs a display
// here.
std::unique_ptr<QCoreApplication> MakeApplication(int &Argc, char **Argv) {
    if (!HasOption(Argc, Argv, "--sheet") && !HasOption(Argc, Argv, "--banners"))
        return std::make_unique<QCoreApplication>(Argc, Argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(Argc, Argv);
}
} // namespace

int main(int argc, char **argv) {
    const auto App = MakeApplication(argc, argv);
    QCommandLineParser Parser;
    Parser.setApplicationDescription(
        QStringLiteral("Draws the blank gauge faces 1.jpg .. 21.jpg and the contact page's "
                       "banners."));
    Parser.addHelpOption();
    Parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder for the faces."),
                                 QStringLiteral("[folder]"));
    const QCommandLineOption Sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Also save a contact sheet of the faces."),
                                   QStringLiteral("file.png"));
    const QCommandLineOption Banners(QStringLiteral("banners"),
                                     QStringLiteral("Write logo.jpg and banner.jpg into <dir>."),
                                     QStringLiteral("dir"));
    Parser.addOption(Sheet);
    Parser.addOption(Banners);
    Parser.process(*App);
    const QStringList Folders = Parser.positionalArguments();
    // Faces, banners or both; a sheet is made of written faces.
    if (Folders.size() > 1 ||
        (Folders.isEmpty() && (!Parser.isSet(Banners) || Parser.isSet(Sheet))))
        Parser.showHelp(1);

    QString Error;
    bool Done = true;
    if (!Folders.isEmpty())
        Done = WriteFaces(Folders.front(), Error) &&
               (!Parser.isSet(Sheet) ||
                WriteContactSheet(Folders.front(), Parser.value(Sheet), Error));
    if (Done && Parser.isSet(Banners))
        Done = WriteBanners(Parser.value(Banners), Error);
    if (!Done)
        qCritical("VexFaceGenerator: %s", qPrintable(Error));
    return Done ? 0 : 1;
}
