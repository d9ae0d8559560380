#pragma once
// The base of every demonstration page. A page is data and behaviour: its description (the
// resource ":/pages/<class>.page", in the control-file text format with nested components)
// holds every component's class, name, place and settings; the page's class adds only what the
// page does (timer and click handlers, opening an editor).
//
// A page is made by NewDemoPage<T>(Parent), which reads the description, lets the page connect
// its handlers (FormCreate) and opens the tables the description marks active. A description or
// table that cannot be read raises EVexError and leaves nothing behind.

#include "demo/VexComponentsDemo_Components.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/graphics/Colors.h"

#include <QDialog>
#include <QFrame>
#include <functional>
#include <memory>

namespace Vex {

class TVexGraphicControl;

class TDemoPage : public QFrame, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    explicit TDemoPage(QWidget *Parent);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    // Reads the description and opens the active tables; called once by NewDemoPage.
    void Build();

    // The control whose click opens an editor page over this page; null on other pages.
    virtual TVexGraphicControl *EditorControl() const { return nullptr; }

    // The component Name of the description, of class T; raises EVexError when the description
    // has none, which is a description out of step with its page's code.
    template <class T> T *Component(const QString &Name) const {
        T *Found = findChild<T *>(Name);
        if (!Found)
            MissingComponent(Name);
        return Found;
    }

protected:
    // Connects the page's handlers once its components exist.
    virtual void FormCreate() {}
    void resizeEvent(QResizeEvent *Event) override;

private:
    [[noreturn]] void MissingComponent(const QString &Name) const;

    TColor FColor = clBtnFace;
};

// A new page of class TPage on Parent, built; nothing is left when building fails.
template <class TPage> QWidget *NewDemoPage(QWidget *Parent) {
    auto Page = std::make_unique<TPage>(Parent);
    Page->Build();
    return Page.release();
}

// A random value from Min up to (|Min| + Max) in thousandths, as the pages' timers draw them;
// the control limits it to its range.
float RandomDemoValue(float Min, float Max);

// Shows Dialog modally. Replaceable so that the tests and the gallery can work the dialog
// without waiting for a user; returns the function it replaces (empty: QDialog::exec).
using TModalRunner = std::function<void(QDialog &Dialog)>;
TModalRunner SetModalRunner(TModalRunner Run);
void ShowModal(QDialog &Dialog);

} // namespace Vex
