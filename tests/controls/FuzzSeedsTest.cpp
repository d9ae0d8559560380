#include "controls/ControlClasses.h"
#include "platform/core/Component.h"
#include "platform/streaming/ComponentRegistry.h"
#include "platform/streaming/ComponentStream.h"
#include "toolkit/VexCompression.h"
#include "toolkit/VexStream.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

// Stands for the fuzz targets' page, whose descriptions name it TFuzzPage.
class TSeedPage : public QWidget, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)

public:
    QString Caption;
};

namespace {
const QString KFuzzDir = QStringLiteral(VEX_FUZZ_DIR);

QByteArray ReadAll(const QString &Path) {
    QFile File(Path);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
    return File.readAll();
}

QString TextOf(const QByteArray &Data) {
    QBuffer Stream;
    Stream.setData(Data);
    if (DetectStreamFormat(Data) == sfCompressed)
        DecompressStream(Stream);
    return QString::fromLatin1(Stream.data());
}

// "object Name: Class" or "object Class": the class is the header's last word.
QString HeaderClass(const QString &Text) {
    return Text.section(QLatin1Char('\n'), 0, 0).trimmed().section(QLatin1Char(' '), -1);
}

QStringList SeedFiles(const QString &Folder) {
    QStringList Files;
    QDirIterator It(KFuzzDir + QStringLiteral("/corpus/") + Folder, QDir::Files);
    while (It.hasNext())
        Files << It.next();
    return Files;
}
} // namespace

// The fuzzers start from files the library wrote. A seed the library no longer reads means
// stored files stopped loading, and leaves the fuzzers exploring refusals only: rewrite the
// seeds with VexFuzzSeeds when a property is renamed on purpose.
TEST(FuzzSeeds, EveryControlFileLoadsIntoItsClass) {
    RegisterControlClasses();
    QWidget Form;
    int Loaded = 0;
    for (const QString &Folder : QDir(KFuzzDir + QStringLiteral("/corpus"))
                                     .entryList({QStringLiteral("control_*")}, QDir::Dirs)) {
        for (const QString &Path : SeedFiles(Folder)) {
            const QByteArray Data = ReadAll(Path);
            const QString Class = HeaderClass(TextOf(Data));
            std::unique_ptr<QObject> Component(CreateComponent(Class, &Form));
            ASSERT_TRUE(Component) << Path.toStdString();
            EXPECT_NO_THROW(LoadControlFromData(*Component, Data, DetectStreamFormat(Data), Path))
                << Path.toStdString();
            ++Loaded;
        }
    }
    // Default and customised, text and compressed: each instrument in its own corpus and in
    // the reader's, which also has the texture generator.
    EXPECT_EQ(Loaded, 8 * 4 + 9 * 4);
}

TEST(FuzzSeeds, PageDescriptionCreatesEveryClass) {
    RegisterControlClasses();
    const QStringList Pages = SeedFiles(QStringLiteral("description"));
    ASSERT_FALSE(Pages.isEmpty());
    for (const QString &Path : Pages) {
        TSeedPage Page;
        const QString Text =
            TextOf(ReadAll(Path)).replace(QLatin1String("TFuzzPage"), QLatin1String("TSeedPage"));
        ReadComponentDescription(Page, Text, Path);
        QSet<QString> Made;
        for (const QObject *Child : Page.findChildren<QObject *>())
            Made.insert(ComponentClassName(*Child->metaObject()));
        for (const char *Class : {"TVexButton", "TVexCylinderGauge", "TVexDBLabel", "TVexGauge",
                                  "TVexKnob", "TVexLCD", "TVexMatrix", "TVexSlider", "TVexTexGen"})
            EXPECT_TRUE(Made.contains(QLatin1String(Class))) << Class;
    }
}

} // namespace Vex

#include "FuzzSeedsTest.moc"
