#pragma once
// The root of every instrument: a widget that turns mouse input into three hooks (a state
// change, a relative drag, an absolute pointer angle) according to MouseInputType, docks itself
// in its parent when aligned, and saves and loads its published properties to control files.

#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Region.h"
#include "toolkit/VexStream.h"

#include <QMetaEnum>
#include <QWidget>
#include <functional>

namespace Vex {

// Whether Value is one of the enumerators its type declares. An enumerated property can be
// written with any number through the meta-object system (a form loader, Designer, a script);
// the number arrives in the enumeration's int, and setters refuse what names no enumerator.
template <typename TEnum> bool IsEnumerator(TEnum Value) {
    return QMetaEnum::fromType<TEnum>().valueToKey(int(Value)) != nullptr;
}

// Whether Value may serve as a number picture (FormatFloat). No instrument shows more than a few
// dozen characters of a number: a picture longer than this is a damaged value, refused, whose
// text would otherwise cost every rebuild a layout of that length.
constexpr qsizetype KMaxPictureLength = 255;
inline bool IsNumberPicture(const QString &Value) {
    return Value.size() <= KMaxPictureLength;
}

class VEX_EXPORT TVexGraphicControl : public QWidget, public TVexComponent {
    Q_OBJECT
    // The position and size come first in every control file, as the desktop wrote them.
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(TMouseInputType MouseInputType READ MouseInputType WRITE SetMouseInputType)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool AllowInput READ AllowInput WRITE SetAllowInput)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign STORED false)

public:
    enum TMouseInputType : int { mitDragXY, mitDragX, mitDragY, mitAngular, mitNone };
    Q_ENUM(TMouseInputType)
    enum TVexMouseState : int { msCreated, msEntered, msExited, msClicked };
    Q_ENUM(TVexMouseState)
    enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    enum TMouseButton : unsigned { mbLeft = 1, mbRight = 2, mbMiddle = 4 };

    // The largest control. The instruments draw at twice their size, so a control is held to
    // half a bitmap's side and a quarter of its area: its double-size surfaces still fit.
    static constexpr int MaxSide = TBitmap::MaxDimension / 2;
    static constexpr int64_t MaxArea = TBitmap::MaxPixels / 4;

    explicit TVexGraphicControl(QWidget *Parent = nullptr);
    ~TVexGraphicControl() override;

    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }
    void SetLeft(int Value) { SetBounds(Value, Top(), Width(), Height()); }
    void SetTop(int Value) { SetBounds(Left(), Value, Width(), Height()); }
    void SetWidth(int Value) { SetBounds(Left(), Top(), Value, Height()); }
    void SetHeight(int Value) { SetBounds(Left(), Top(), Width(), Value); }
    // Every change of position or size ends here, including those made by Qt layouts and by
    // docking, so descendants size their surfaces in one place.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    TMouseInputType MouseInputType() const { return FMouseInputType; }
    void SetMouseInputType(TMouseInputType Value);
    bool AllowInput() const { return FAllowInput; }
    void SetAllowInput(bool Value) { FAllowInput = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    QString Hint() const { return FHint; }
    void SetHint(const QString &Value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool Value) { setEnabled(Value); }
    int Cursor() const { return FCursor; }
    void SetCursor(int Value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    // The control's colour: the background descendants fill with. While ParentColor is set it
    // is the parent's window colour; assigning a colour clears ParentColor.
    TColor Color() const;
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    // The window outline, in control pixels: outside it the control shows what lies beneath and
    // takes no clicks (mouse events there go on to the parent). It is kept without clipping the
    // control's paints: a control with an outline is painted over what lies beneath, and its
    // Paint leaves the outside untouched. An empty region removes the outline.
    void SetWindowRegion(const TRegion &Region);
    const TRegion &WindowRegion() const { return FWindowRegion; }
    bool HasWindowRegion() const { return !FWindowRegion.IsEmpty(); }
    // Whether the point, in control pixels, belongs to the control: inside its outline, or
    // anywhere on a control without one.
    bool HitTest(int X, int Y) const;

    TVexMouseState MouseState() const { return FMouseState; }
    TPoint LastPoint() const { return FLastPoint; }

    // Angle of a pointer offset from the centre (DX right, DY down), in degrees counter-clockwise
    // from the right, 0 <= angle < 360.
    virtual float PointToAngle(float DX, float DY);

    // Reads a control file into this control. The whole file is checked before anything
    // changes; a bad file raises EVexError naming the file, the line and the fault, and leaves
    // the control as it was. Owned components named in the file are read in place.
    virtual void LoadFromFile(const QString &FileName, TVexStreamFormat Format);
    virtual void SaveToFile(const QString &FileName, TVexStreamFormat Format);
    virtual void LoadWithDialog(TVexStreamFormat Format);
    virtual void SaveWithDialog(TVexStreamFormat Format);

    // "<Class> files (*.<Class>)|*.<Class>": description and pattern, as the file dialogs show.
    QString FileFilter() const;
    // The name a save dialog's choice is stored under: the class name is appended as extension
    // unless the chosen name already ends in it (compared without case).
    QString SaveFileName(const QString &Chosen) const;

    // Asks the user for a file name; empty when cancelled. Replaceable so that tests and
    // embedding applications need no modal dialog.
    using TFileDialog = std::function<QString(QWidget *Parent, const QString &Filter, bool Save)>;
    static void SetFileDialog(TFileDialog Dialog);

signals:
    void OnClick(TVexGraphicControl *Sender);

protected:
    virtual void SetMouseState(TVexMouseState State) { FMouseState = State; }
    // DX to the right, DY upwards, in pixels since the last mouse event.
    virtual void DragBy(int DX, int DY);
    virtual void AngleInput(float Angle);
    // Draws the control. Descendants copy their off-screen surface here.
    virtual void Paint(TCanvas &Canvas);
    // The outline a designing control shows: a dotted rectangle that inverts what is under it.
    void DrawDesignOutline(TCanvas &Canvas) const;

    virtual void MouseDown(TMouseButton Button, int X, int Y);
    virtual void MouseMove(int X, int Y);
    virtual void MouseUp(TMouseButton Button, int X, int Y);
    unsigned Buttons() const { return FButtons; }

    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void enterEvent(QEnterEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void moveEvent(QMoveEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    // Errors cannot travel through Qt's event loop: those raised while handling an event go to
    // the application's error handler.
    template <typename THandler> static void Guarded(THandler &&Handler) {
        try {
            Handler();
        } catch (const std::exception &Error) {
            ApplicationShowError(ErrorMessage(Error));
        }
    }
    void FollowGeometry();
    void AngularInputAt(int X, int Y);

    TVexMouseState FMouseState = msCreated;
    TMouseInputType FMouseInputType = mitDragXY;
    bool FAllowInput = true;
    TPoint FLastPoint;
    unsigned FButtons = 0;
    bool FShowHint = false;
    QString FHint;
    int FCursor = 0;
    TAlign FAlign = alNone;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TRect FBounds;
    bool FPressedForClick = false;
    TRegion FWindowRegion;
    // Whether the control painted opaquely before it took an outline.
    bool FOpaqueWithoutRegion = false;
    // The buttons whose press fell outside the outline: their moves and release go on too.
    unsigned FPassedButtons = 0;
};

} // namespace Vex
