// VexComponentsDemo: the demonstration application. Opens the main window where there is a
// display; with --gallery, or where there is none, photographs every page into PNG files; with
// --soak, tours every page for a given time and reports the memory it holds after each tour.

#include "demo/VexComponentsDemo_Application.h"
#include "demo/VexComponentsDemo_Database.h"
#include "demo/VexComponentsDemo_Gallery.h"
#include "demo/VexComponentsDemo_Main.h"
#include "demo/VexComponentsDemo_Soak.h"
#include "platform/core/Errors.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

using namespace Vex;

namespace {
const char *const KDefaultGallery = "vexdemo-gallery";

// A platform chosen through QT_QPA_PLATFORM is trusted to find what it needs.
bool NoDisplay() {
    return !qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
           !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

QStringList Arguments(int Argc, char **Argv) {
    QStringList List;
    for (int I = 0; I < Argc; ++I)
        List << QString::fromLocal8Bit(Argv[I]);
    return List;
}

// Nothing may wait for a click: errors and the data pages' message go to the console.
void MessagesToConsole() {
    SetApplicationErrorHandler([](const QString &Message) { qWarning("%s", qPrintable(Message)); });
    TfrmMain::SetMessageBox(
        [](QWidget *, const QString &Text) { qWarning("%s", qPrintable(Text)); });
}

int RunGallery(const QString &Folder) {
    MessagesToConsole();
    QTextStream Out(stdout);
    try {
        TfrmMain Main;
        for (const QString &File : WriteGallery(Main, Folder))
            Out << QDir::toNativeSeparators(File) << '\n';
    } catch (const EVexError &Error) {
        qCritical("VexComponentsDemo: %s", qPrintable(Error.Message()));
        return 1;
    }
    return 0;
}

// Report: a file name, or empty for the standard output.
int RunSoakFor(int Seconds, const QString &Report) {
    MessagesToConsole();
    QFile File;
    if (Report.isEmpty()) {
        if (!File.open(stdout, QIODevice::WriteOnly))
            return 1;
    } else {
        File.setFileName(Report);
        if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            qCritical("VexComponentsDemo: cannot write %s", qPrintable(Report));
            return 1;
        }
    }
    QTextStream Out(&File);
    try {
        TfrmMain Main;
        RunSoak(Main, TSoakOptions{Seconds}, Out);
    } catch (const EVexError &Error) {
        qCritical("VexComponentsDemo: %s", qPrintable(Error.Message()));
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setApplicationName(QStringLiteral("VexComponentsDemo"));
    // The arguments are read before the application object exists: the gallery chooses the
    // platform that object starts on.
    QCommandLineParser Parser;
    Parser.setApplicationDescription(
        QStringLiteral("Demonstrates the VexComponents instrument controls.\n"
                       "Sample database: %1 (VEXDEMO_DATABASE overrides)")
            .arg(QDir::toNativeSeparators(SampleDatabaseFileName())));
    const QCommandLineOption Help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption Gallery(
        QStringLiteral("gallery"),
        QStringLiteral("Save a picture of every page into <folder> instead of opening the "
                       "window."),
        QStringLiteral("folder"));
    const QCommandLineOption Soak(
        QStringLiteral("soak"),
        QStringLiteral("Tour every page and editor for <seconds> (at least one whole tour) and "
                       "write the resident memory after each tour."),
        QStringLiteral("seconds"));
    const QCommandLineOption SoakReport(
        QStringLiteral("soak-report"),
        QStringLiteral("Write the soak run's lines into <file> instead of the standard output."),
        QStringLiteral("file"));
    Parser.addOption(Help);
    Parser.addOption(Gallery);
    Parser.addOption(Soak);
    Parser.addOption(SoakReport);
    const QStringList Args = Arguments(argc, argv);
    // Without an application object the parser cannot name the program itself.
    const QString Usage = Parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QCoreApplication::applicationName());
    if (!Parser.parse(Args)) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(Parser.errorText()), qPrintable(Usage));
        return 1;
    }
    if (Parser.isSet(Help)) {
        std::fputs(qPrintable(Usage), stdout);
        return 0;
    }

    bool SoakGiven = false;
    const int SoakSeconds = Parser.value(Soak).toInt(&SoakGiven);
    if (Parser.isSet(Soak) && (!SoakGiven || SoakSeconds < 0)) {
        std::fprintf(stderr, "--soak takes a number of seconds, not '%s'\n",
                     qPrintable(Parser.value(Soak)));
        return 1;
    }

    QString GalleryFolder = Parser.value(Gallery);
    if (GalleryFolder.isEmpty() && !SoakGiven && NoDisplay()) {
        GalleryFolder = QString::fromLatin1(KDefaultGallery);
        std::fprintf(stderr,
                     "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set): "
                     "writing pictures of the pages to %s instead of opening the window.\n",
                     qPrintable(QDir(GalleryFolder).absolutePath()));
    }
    // The gallery and the soak run never need a window on screen.
    if ((!GalleryFolder.isEmpty() || SoakGiven) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    TVexDemoApplication App(argc, argv);
    if (SoakGiven)
        return RunSoakFor(SoakSeconds, Parser.value(SoakReport));
    if (!GalleryFolder.isEmpty())
        return RunGallery(GalleryFolder);
    TfrmMain Main;
    Main.show();
    return App.exec();
}
