#pragma once
// What the editor page tests share: a stand-in user at every dialog, clicks and typing sent
// straight to the inputs, and the layout rules every page keeps.

#include "editors/VexEditorDialogs.h"
#include "editors/VexEditorPage.h"
#include "framework/FrameworkTestUtil.h"

#include <QKeyEvent>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace Vex {

// Stands in for the user at every dialog: records what was asked and answers with what the test
// prepared (nothing: cancelled).
struct TUser {
    std::optional<TColor> Color;
    std::vector<TColor> ColorsOffered;
    std::optional<TFont> Font;
    std::vector<TFont> FontsOffered;
    std::optional<TFileDialogChoice> File;
    std::vector<TFileDialogRequest> FilesAsked;
    QStringList Messages;

    TUser() {
        SetColorDialog([this](QWidget *, TColor Initial) {
            ColorsOffered.push_back(Initial);
            return Color;
        });
        SetFontDialog([this](QWidget *, const TFont &Initial) {
            FontsOffered.push_back(Initial);
            return Font;
        });
        SetFileDialog([this](QWidget *, const TFileDialogRequest &Request) {
            FilesAsked.push_back(Request);
            return File;
        });
        SetEditorMessage([this](QWidget *, const QString &Text) { Messages << Text; });
    }
    ~TUser() {
        SetColorDialog({});
        SetFontDialog({});
        SetFileDialog({});
        SetEditorMessage({});
    }
    TUser(const TUser &) = delete;
    TUser &operator=(const TUser &) = delete;
    void Choose(const QString &FileName, int FilterIndex = 0) {
        File = TFileDialogChoice{FileName, FilterIndex};
    }
};

inline void Click(QWidget *W) {
    Press(W, QPoint(5, 5));
    Release(W, QPoint(5, 5));
}

// Types Text key by key, as the keyboard would.
inline void Type(QWidget *W, const QString &Text) {
    for (const QChar C : Text) {
        QKeyEvent Event(QEvent::KeyPress, 0, Qt::NoModifier, QString(C));
        QCoreApplication::sendEvent(W, &Event);
    }
}

inline TVexSlider *SliderOf(const TVexEditorPage &Page, const char *Name) {
    TVexSlider *S = Page.findChild<TVexSlider *>(QLatin1String(Name));
    EXPECT_NE(S, nullptr) << Name;
    return S;
}

// The value a slider's label shows beside it.
inline QString ShownValue(const TVexEditorPage &Page, const char *Slider) {
    const auto *Value = Page.findChild<TVexDBLabel *>(QLatin1String(Slider) + "Value");
    return Value ? Value->Text().join(QString()) : QString();
}

// Every caption fits on one line, and every input lies within its tab and overlaps no other.
inline void ExpectTidyLayout(const TVexEditorPage &Page) {
    for (const TVexDBLabel *Label : Page.findChildren<TVexDBLabel *>())
        EXPECT_EQ(Label->DisplayLines().size(), 1) << Label->Text().join(' ').toStdString();
    for (int T = 0; T < Page.PageControl->count(); ++T) {
        const QWidget *Tab = Page.PageControl->widget(T);
        const QString Name = Page.PageControl->tabText(T);
        const QList<QWidget *> Parts = Tab->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *Part : Parts) {
            EXPECT_TRUE(Tab->rect().contains(Part->geometry()))
                << Name.toStdString() << ": " << Part->objectName().toStdString();
            for (const QWidget *Other : Parts)
                EXPECT_TRUE(Part == Other || !Part->geometry().intersects(Other->geometry()))
                    << Name.toStdString() << ": " << Part->objectName().toStdString() << " and "
                    << Other->objectName().toStdString();
        }
    }
}

} // namespace Vex
