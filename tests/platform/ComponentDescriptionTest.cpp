#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/streaming/ComponentRegistry.h"
#include "platform/streaming/ComponentStream.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace Vex {

// A control-like widget that notes its Loaded() calls and the loading state its setter saw.
class TPanelProbe : public QWidget, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(QString Caption MEMBER Caption)

public:
    explicit TPanelProbe(QWidget *Parent) : QWidget(Parent) {}
    int Left() const { return x(); }
    void SetLeft(int Value) {
        move(Value, y());
        LoadingWhenSet = IsLoading();
    }
    QString Caption;
    int LoadedCount = 0;
    bool LoadingWhenSet = false;

protected:
    void Loaded() override {
        TVexComponent::Loaded();
        ++LoadedCount;
    }
};

class TTimerProbe : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval MEMBER Interval)

public:
    explicit TTimerProbe(QObject *Owner) : QObject(Owner) {}
    int Interval = 1000;
};

// A component that links to another one and docks itself: neither is part of its control file.
class TLinkProbe : public QObject {
    Q_OBJECT
    Q_PROPERTY(Vex::TTimerProbe *Timer MEMBER Timer STORED false)
    Q_PROPERTY(int Dock MEMBER Dock STORED false)

public:
    explicit TLinkProbe(QObject *Owner) : QObject(Owner) {}
    TTimerProbe *Timer = nullptr;
    int Dock = 0;
};

namespace {
void RegisterProbes() {
    RegisterComponentClass<TPanelProbe>(QStringLiteral("TPanelProbe"));
    RegisterComponentClass<TTimerProbe>(QStringLiteral("TTimerProbe"));
    RegisterComponentClass<TLinkProbe>(QStringLiteral("TLinkProbe"));
}

const QString KPage = QStringLiteral("object Page1: TPanelProbe\n"
                                     "  Caption = 'page'\n"
                                     "  object Panel1: TPanelProbe\n"
                                     "    Left = 8\n"
                                     "    object Inner: TPanelProbe\n"
                                     "      Caption = 'inner'\n"
                                     "    end\n"
                                     "  end\n"
                                     "  object Timer1: TTimerProbe\n"
                                     "    Interval = 500\n"
                                     "  end\n"
                                     "end\n");
} // namespace

TEST(ComponentDescription, CreatesNestedComponentsByClassNameInsideOneLoadingScope) {
    RegisterProbes();
    QWidget Form;
    TPanelProbe Page(&Form);
    ReadComponentDescription(Page, KPage, QStringLiteral("page"));
    EXPECT_EQ(Page.Caption, QStringLiteral("page"));
    auto *Panel =
        Page.findChild<TPanelProbe *>(QStringLiteral("Panel1"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(Panel, nullptr);
    EXPECT_EQ(Panel->Left(), 8);
    EXPECT_TRUE(Panel->LoadingWhenSet);
    EXPECT_EQ(Panel->LoadedCount, 1);
    auto *Inner = Panel->findChild<TPanelProbe *>(QStringLiteral("Inner"));
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->Caption, QStringLiteral("inner"));
    EXPECT_EQ(Inner->LoadedCount, 1);
    EXPECT_EQ(Page.LoadedCount, 1);
    auto *Timer = Page.findChild<TTimerProbe *>(QStringLiteral("Timer1"));
    ASSERT_NE(Timer, nullptr);
    EXPECT_EQ(Timer->Interval, 500);
}

TEST(ComponentDescription, BadDescriptionsNameTheirLineAndCreateNothing) {
    RegisterProbes();
    const struct {
        QString Text;
        QString Message;
    } Cases[] = {
        {QStringLiteral("object P: TPanelProbe\n  object X: TNoSuchClass\n  end\nend\n"),
         QStringLiteral("page, line 2: unknown class TNoSuchClass")},
        {QStringLiteral("object P: TPanelProbe\n  object T: TTimerProbe\n"
                        "    object W: TPanelProbe\n    end\n  end\nend\n"),
         QStringLiteral("page, line 3: TTimerProbe cannot hold the control TPanelProbe")},
        {QStringLiteral("object P: TPanelProbe\n  object A: TTimerProbe\n  end\n"
                        "  object A: TTimerProbe\n  end\nend\n"),
         QStringLiteral("page, line 4: component 'A' appears twice")},
        {QStringLiteral(
             "object P: TPanelProbe\n  object A: TTimerProbe\n    Left = 3\n  end\nend\n"),
         QStringLiteral("page, line 3: unknown property 'Left' of TTimerProbe")},
    };
    for (const auto &Case : Cases) {
        QWidget Form;
        TPanelProbe Page(&Form);
        try {
            ReadComponentDescription(Page, Case.Text, QStringLiteral("page"));
            ADD_FAILURE() << qPrintable(Case.Message);
        } catch (const EVexError &E) {
            EXPECT_EQ(E.Message(), Case.Message);
        }
        EXPECT_TRUE(Page.children().isEmpty()) << qPrintable(Case.Message);
    }
}

TEST(ComponentDescription, LinksNameComponentsAnywhereInTheDescription) {
    RegisterProbes();
    QWidget Form;
    TPanelProbe Page(&Form);
    // The link comes before the timer it names, and the timer sits in another branch.
    ReadComponentDescription(Page,
                             QStringLiteral("object P: TPanelProbe\n"
                                            "  object Link: TLinkProbe\n"
                                            "    Timer = Timer1\n"
                                            "    Dock = 3\n"
                                            "  end\n"
                                            "  object Panel1: TPanelProbe\n"
                                            "    object Timer1: TTimerProbe\n"
                                            "    end\n"
                                            "  end\n"
                                            "  object Unlinked: TLinkProbe\n"
                                            "    Timer = nil\n"
                                            "  end\n"
                                            "end\n"),
                             QStringLiteral("page"));
    auto *Link = Page.findChild<TLinkProbe *>(QStringLiteral("Link"));
    ASSERT_NE(Link, nullptr);
    EXPECT_EQ(Link->Timer, Page.findChild<TTimerProbe *>(QStringLiteral("Timer1")));
    EXPECT_NE(Link->Timer, nullptr);
    EXPECT_EQ(Link->Dock, 3);
    EXPECT_EQ(Page.findChild<TLinkProbe *>(QStringLiteral("Unlinked"))->Timer, nullptr);
}

TEST(ComponentDescription, BadLinksNameTheirLineAndCreateNothing) {
    RegisterProbes();
    const struct {
        QString Text;
        QString Message;
    } Cases[] = {
        {QStringLiteral("object P: TPanelProbe\n  object L: TLinkProbe\n"
                        "    Timer = Timer9\n  end\nend\n"),
         QStringLiteral("page, line 3: bad value for 'Timer': no component named 'Timer9'")},
        {QStringLiteral("object P: TPanelProbe\n  object L: TLinkProbe\n"
                        "    Timer = W\n  end\n  object W: TPanelProbe\n  end\nend\n"),
         QStringLiteral("page, line 3: bad value for 'Timer': 'W' is no TTimerProbe")},
        {QStringLiteral("object P: TPanelProbe\n  object L: TLinkProbe\n"
                        "    Timer = 'T'\n  end\nend\n"),
         QStringLiteral("page, line 3: component name expected")},
    };
    for (const auto &Case : Cases) {
        QWidget Form;
        TPanelProbe Page(&Form);
        try {
            ReadComponentDescription(Page, Case.Text, QStringLiteral("page"));
            ADD_FAILURE() << qPrintable(Case.Message);
        } catch (const EVexError &E) {
            EXPECT_EQ(E.Message(), Case.Message);
        }
        EXPECT_TRUE(Page.children().isEmpty()) << qPrintable(Case.Message);
    }
}

TEST(ComponentDescription, ControlFilesStillRefuseComponentsThatDoNotExist) {
    RegisterProbes();
    QWidget Form;
    TPanelProbe Page(&Form);
    EXPECT_THROW(ReadComponentText(Page, KPage, QStringLiteral("page")), EVexError);
    EXPECT_TRUE(Page.children().isEmpty());
    // Links and docking belong to descriptions of whole pages, not to a control's own file.
    TLinkProbe Link(nullptr);
    EXPECT_THROW(ReadComponentText(Link, QStringLiteral("object L: TLinkProbe\n  Dock = 3\nend\n"),
                                   QStringLiteral("file")),
                 EVexError);
}

} // namespace Vex

#include "ComponentDescriptionTest.moc"
