#include "editors/VexEditorInputs.h"
#include "editors/VexEditorDialogs.h"
#include "platform/format/FloatFormat.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace Vex {

namespace {
void Type(QWidget *W, const QString &Text) {
    for (const QChar C : Text) {
        QKeyEvent Event(QEvent::KeyPress, 0, Qt::NoModifier, QString(C));
        QCoreApplication::sendEvent(W, &Event);
    }
}

void KeyPress(QWidget *W, int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier,
              const QString &Text = QString()) {
    QKeyEvent Event(QEvent::KeyPress, Key, Modifiers, Text);
    QCoreApplication::sendEvent(W, &Event);
}
} // namespace

TEST(TextToFloat, TakesOnlyAWholeNumber) {
    EXPECT_EQ(TextToFloat(QStringLiteral("12.5")), 12.5f);
    EXPECT_EQ(TextToFloat(QStringLiteral("  -3 ")), -3.0f);
    EXPECT_EQ(TextToFloat(QStringLiteral("+.5")), 0.5f);
    EXPECT_EQ(TextToFloat(QStringLiteral("7.")), 7.0f);
    EXPECT_EQ(TextToFloat(QStringLiteral("1e3")), 1000.0f);
    EXPECT_EQ(TextToFloat(QStringLiteral("-2.5E-2")), -0.025f);
    for (const char *Bad : {"", " ", "-", "+", ".", "abc", "1e", "e3", "1.2.3", "12a", "1,5",
                            "0x10", "inf", "nan", "1e39", "- 1"})
        EXPECT_FALSE(TextToFloat(QLatin1String(Bad)).has_value()) << Bad;
}

TEST(TextToFloat, FollowsTheDecimalSeparator) {
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(TextToFloat(QStringLiteral("1,5")), 1.5f);
    EXPECT_FALSE(TextToFloat(QStringLiteral("1.5")).has_value());
    SetDecimalSeparator(QLatin1Char('.'));
}

TEST(FloatText, WritesTheShortestTextThatReadsBack) {
    const std::pair<float, const char *> Cases[] = {{0.1f, "0.1"},
                                                    {-12.5f, "-12.5"},
                                                    {1.0f / 3, "0.33333334"},
                                                    {16777216.0f, "16777216"},
                                                    {1e20f, "1E20"},
                                                    {1.5e-5f, "1.5E-5"},
                                                    {0.0f, "0"},
                                                    {3.4028235e38f, "3.4028235E38"}};
    for (const auto &[Value, Text] : Cases) {
        EXPECT_EQ(FloatText(Value), QLatin1String(Text)) << Text;
        EXPECT_EQ(TextToFloat(FloatText(Value)), Value) << Text;
    }
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(FloatText(-0.25f), QStringLiteral("-0,25"));
    SetDecimalSeparator(QLatin1Char('.'));
}

TEST(AllowOnlyCharacters, RefusesOtherCharactersButNotEditingKeys) {
    QLineEdit Edit;
    AllowOnlyCharacters(&Edit, QStringLiteral("0123456789.-"));
    Type(&Edit, QStringLiteral("-1e3x.5"));
    EXPECT_EQ(Edit.text(), QStringLiteral("-13.5"));
    KeyPress(&Edit, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(Edit.text(), QStringLiteral("-13."));
    KeyPress(&Edit, Qt::Key_Home);
    KeyPress(&Edit, Qt::Key_Delete);
    EXPECT_EQ(Edit.text(), QStringLiteral("13."));
    // Code and the clipboard are not typing.
    Edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(Edit.text(), QStringLiteral("abc"));
}

TEST(TVexEditorPanel, ClickNeedsPressAndReleaseInside) {
    TVexEditorPanel Panel;
    Panel.resize(60, 18);
    int Clicks = 0;
    QObject::connect(&Panel, &TVexEditorPanel::Click, [&](TVexEditorPanel *) { ++Clicks; });
    const auto Mouse = [&](QEvent::Type Type, QPoint At, Qt::MouseButton Button) {
        QMouseEvent Event(Type, QPointF(At), QPointF(At), Button,
                          Type == QEvent::MouseButtonPress ? Button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Panel, &Event);
    };
    Mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(Clicks, 1);
    Mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {90, 5}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
    EXPECT_EQ(Clicks, 1);
}

TEST(EditorDialogs, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(
        QtNameFilters(QStringLiteral("Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg)|*.jpg")),
        (QStringList{QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("JPEG images (*.jpg)")}));
    EXPECT_EQ(QtNameFilters(QStringLiteral("Pictures|*.bmp;*.jpg")),
              QStringList{QStringLiteral("Pictures (*.bmp *.jpg)")});
    EXPECT_TRUE(QtNameFilters(QString()).isEmpty());
}

TEST(EditorDialogs, FontsKeepFaceSizeAndStyleThroughTheDialog) {
    TFont Font;
    Font.Name = QStringLiteral("Arial");
    Font.SetSize(12);
    Font.Style = fsBold | fsUnderline;
    Font.Color = clRed;
    const QFont Shown = ToDialogFont(Font);
    EXPECT_EQ(Shown.pointSize(), 12);
    EXPECT_TRUE(Shown.bold());
    EXPECT_FALSE(Shown.italic());
    TFont Back = FromDialogFont(Shown, Font);
    EXPECT_EQ(Back, Font);
    // A choice keeps the colour and character set of the font it started from.
    QFont Other(QStringLiteral("Times New Roman"));
    Other.setPointSize(20);
    Other.setItalic(true);
    Back = FromDialogFont(Other, Font);
    EXPECT_EQ(Back.Name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(Back.Size(), 20);
    EXPECT_EQ(Back.Style, fsItalic);
    EXPECT_EQ(Back.Color, clRed);
}

TEST(EditorDialogs, InstalledFunctionsAnswerAndCanBeReplacedBack) {
    SetColorDialog([](QWidget *, TColor Initial) { return Initial ^ 0xFFFFFF; });
    EXPECT_EQ(ExecuteColorDialog(nullptr, clBlack), clWhite);
    const TColorDialogFunction Previous = SetColorDialog({});
    EXPECT_EQ(Previous(nullptr, clWhite), clBlack);

    QString Shown;
    SetEditorMessage([&](QWidget *, const QString &Text) { Shown = Text; });
    ShowEditorMessage(nullptr, QStringLiteral("disk full"));
    EXPECT_EQ(Shown, QStringLiteral("disk full"));
    SetEditorMessage({});
}

} // namespace Vex
