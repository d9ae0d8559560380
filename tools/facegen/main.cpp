// VexFaceGenerator: draws the 21 blank gauge faces into a folder as 1.jpg .. 21.jpg, and on
// request a contact sheet of them.

#include "ContactSheet.h"
#include "FaceGenerator.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstring>
#include <memory>

namespace {
bool WantsSheet(int Argc, char **Argv) {
    for (int I = 1; I < Argc; ++I)
        if (std::strncmp(Argv[I], "--sheet", 7) == 0)
            return true;
    return false;
}

// The faces are painted on images only and need no GUI application; the sheet's captions need
// fonts, and those a GUI application, which never needs a display here.
std::unique_ptr<QCoreApplication> MakeApplication(int &Argc, char **Argv) {
    if (!WantsSheet(Argc, Argv))
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
        QStringLiteral("Draws the blank gauge faces 1.jpg .. 21.jpg."));
    Parser.addHelpOption();
    Parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder for the faces."));
    const QCommandLineOption Sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Also save a contact sheet of the faces."),
                                   QStringLiteral("file.png"));
    Parser.addOption(Sheet);
    Parser.process(*App);
    if (Parser.positionalArguments().size() != 1)
        Parser.showHelp(1);

    const QString Folder = Parser.positionalArguments().front();
    QString Error;
    const bool Done =
        WriteFaces(Folder, Error) &&
        (!Parser.isSet(Sheet) || WriteContactSheet(Folder, Parser.value(Sheet), Error));
    if (!Done)
        qCritical("VexFaceGenerator: %s", qPrintable(Error));
    return Done ? 0 : 1;
}
