#include "framework/VexGraphicControl.h"

#include "platform/core/Errors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/streaming/ComponentStream.h"

#include <QEnterEvent>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace Vex {

namespace {
TVexGraphicControl::TFileDialog &FileDialog() {
    static TVexGraphicControl::TFileDialog Dialog = [](QWidget *Parent, const QString &Filter,
                                                       bool Save) {
        const QString QtFilter = Filter.section(QLatin1Char('|'), 0, 0);
        return Save ? QFileDialog::getSaveFileName(Parent, QString(), QString(), QtFilter)
                    : QFileDialog::getOpenFileName(Parent, QString(), QString(), QtFilter);
    };
    return Dialog;
}

// The three buttons the controls know; others (back, forward, extra) are none of them.
std::optional<TVexGraphicControl::TMouseButton> ToButton(Qt::MouseButton Button) {
    switch (Button) {
    case Qt::LeftButton:
        return TVexGraphicControl::mbLeft;
    case Qt::RightButton:
        return TVexGraphicControl::mbRight;
    case Qt::MiddleButton:
        return TVexGraphicControl::mbMiddle;
    default:
        return std::nullopt;
    }
}

// The desktop's numbered cursors that have a Qt counterpart; others show the default.
Qt::CursorShape ToCursorShape(int Cursor, bool &Known) {
    Known = true;
    switch (Cursor) {
    case -2:
        return Qt::ArrowCursor;
    case -3:
        return Qt::CrossCursor;
    case -4:
        return Qt::IBeamCursor;
    case -11:
        return Qt::WaitCursor;
    case -21:
        return Qt::PointingHandCursor;
    case -22:
        return Qt::SizeAllCursor;
    default:
        Known = false;
        return Qt::ArrowCursor;
    }
}

// Docks the aligned controls of Parent the way the desktop did: top ones stacked from the top,
// bottom ones from the bottom, then left and right ones, and a client one fills what is left.
void AlignChildren(QWidget *Parent) {
    QList<TVexGraphicControl *> Aligned;
    for (QObject *Child : Parent->children())
        if (auto *C = qobject_cast<TVexGraphicControl *>(Child);
            C && C->Align() != TVexGraphicControl::alNone)
            Aligned << C;
    TRect Free = Rect(0, 0, Parent->width(), Parent->height());
    const auto Place = [&](TVexGraphicControl::TAlign Which, auto Order) {
        QList<TVexGraphicControl *> Group;
        for (TVexGraphicControl *C : Aligned)
            if (C->Align() == Which)
                Group << C;
        std::stable_sort(Group.begin(), Group.end(), Order);
        for (TVexGraphicControl *C : Group) {
            switch (Which) {
            case TVexGraphicControl::alTop:
                C->SetBounds(Free.Left, Free.Top, Free.Width(), C->Height());
                Free.Top += C->Height();
                break;
            case TVexGraphicControl::alBottom:
                C->SetBounds(Free.Left, Free.Bottom - C->Height(), Free.Width(), C->Height());
                Free.Bottom -= C->Height();
                break;
            case TVexGraphicControl::alLeft:
                C->SetBounds(Free.Left, Free.Top, C->Width(), Free.Height());
                Free.Left += C->Width();
                break;
            case TVexGraphicControl::alRight:
                C->SetBounds(Free.Right - C->Width(), Free.Top, C->Width(), Free.Height());
                Free.Right -= C->Width();
                break;
            case TVexGraphicControl::alClient:
                C->SetBounds(Free.Left, Free.Top, Free.Width(), Free.Height());
                break;
            case TVexGraphicControl::alNone:
                break;
            }
        }
    };
    using C = TVexGraphicControl *;
    Place(TVexGraphicControl::alTop, [](C A, C B) { return A->Top() < B->Top(); });
    Place(TVexGraphicControl::alBottom, [](C A, C B) { return A->Top() > B->Top(); });
    Place(TVexGraphicControl::alLeft, [](C A, C B) { return A->Left() < B->Left(); });
    Place(TVexGraphicControl::alRight, [](C A, C B) { return A->Left() > B->Left(); });
    Place(TVexGraphicControl::alClient, [](C, C) { return false; });
}
} // namespace

TVexGraphicControl::TVexGraphicControl(QWidget *Parent) : QWidget(Parent) {
    // A design surface marks itself with this property; controls placed on it are designing.
    if (Parent && Parent->property("VexDesigning").toBool())
        SetDesigning(true);
    setMouseTracking(true);
    FBounds = TRect::FromQRect(geometry());
    FAllowInput = true;
    FMouseInputType = mitDragXY;
}

TVexGraphicControl::~TVexGraphicControl() = default;

void TVexGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // Positions stay within what a widget can take, so that the right and bottom edges (and
    // the sums of docking) stay within an int.
    ALeft = std::clamp(ALeft, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ATop = std::clamp(ATop, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    AWidth = std::clamp(AWidth, 0, MaxSide);
    AHeight = std::clamp(AHeight, 0, MaxSide);
    if (AWidth > 0 && int64_t(AWidth) * AHeight > MaxArea)
        AHeight = int(MaxArea / AWidth);
    FBounds = Rect(ALeft, ATop, ALeft + AWidth, ATop + AHeight);
    if (geometry() != FBounds.ToQRect())
        setGeometry(FBounds.ToQRect());
}

void TVexGraphicControl::SetMouseInputType(TMouseInputType Value) {
    if (IsEnumerator(Value))
        FMouseInputType = Value;
}

void TVexGraphicControl::SetShowHint(bool Value) {
    FShowHint = Value;
    setToolTip(FShowHint ? FHint : QString());
}

void TVexGraphicControl::SetHint(const QString &Value) {
    FHint = Value;
    setToolTip(FShowHint ? FHint : QString());
}

void TVexGraphicControl::SetCursor(int Value) {
    FCursor = Value;
    bool Known = false;
    const Qt::CursorShape Shape = ToCursorShape(Value, Known);
    if (Known)
        setCursor(Shape);
    else
        unsetCursor();
}

void TVexGraphicControl::SetAlign(TAlign Value) {
    if (Value == FAlign || !IsEnumerator(Value))
        return;
    FAlign = Value;
    if (QWidget *P = parentWidget()) {
        P->removeEventFilter(this);
        if (FAlign != alNone)
            P->installEventFilter(this);
        AlignChildren(P);
    }
}

TColor TVexGraphicControl::Color() const {
    if (FParentColor && parentWidget())
        return FromQColor(parentWidget()->palette().color(QPalette::Window));
    return FColor;
}

void TVexGraphicControl::SetColor(TColor Value) {
    FColor = Value;
    // A file stores both; reading the colour must not undo the stored ParentColor.
    if (!IsLoading())
        FParentColor = false;
    update();
}

void TVexGraphicControl::SetParentColor(bool Value) {
    FParentColor = Value;
    update();
}

void TVexGraphicControl::SetWindowRegion(const TRegion &Region) {
    if (!HasWindowRegion())
        FOpaqueWithoutRegion = testAttribute(Qt::WA_OpaquePaintEvent);
    FWindowRegion = Region;
    // With an outline the corners show what lies beneath, so Qt paints that first.
    setAttribute(Qt::WA_OpaquePaintEvent, HasWindowRegion() ? false : FOpaqueWithoutRegion);
    update();
}

bool TVexGraphicControl::HitTest(int X, int Y) const {
    return !HasWindowRegion() || FWindowRegion.Contains(X, Y);
}

void TVexGraphicControl::DrawDesignOutline(TCanvas &Canvas) const {
    const TPen OldPen = Canvas.Pen;
    const TBrush OldBrush = Canvas.Brush;
    Canvas.Pen = TPen{clBlack, 1, psDot, pmNot};
    Canvas.Brush.Style = bsClear;
    Canvas.Rectangle(0, 0, width(), height());
    Canvas.Pen = OldPen;
    Canvas.Brush = OldBrush;
}

float TVexGraphicControl::PointToAngle(float DX, float DY) {
    const double Y = -double(DY);
    double A;
    if (DX != 0)
        A = std::atan(Y / DX) * 180.0 / std::numbers::pi;
    else
        A = Y > 0 ? 90.0 : 270.0;
    if (DX < 0)
        A = Y > 0 ? 180.0 - std::fabs(A) : std::fabs(A) + 180.0;
    if (DX > 0 && Y < 0)
        A += 360.0;
    return float(A);
}

void TVexGraphicControl::DragBy(int, int) {}

void TVexGraphicControl::AngleInput(float) {}

void TVexGraphicControl::Paint(TCanvas &) {}

void TVexGraphicControl::AngularInputAt(int X, int Y) {
    AngleInput(PointToAngle(float(X - Width() / 2), float(Y - Height() / 2)));
}

void TVexGraphicControl::MouseDown(TMouseButton Button, int X, int Y) {
    FButtons |= Button;
    FLastPoint = Point(X, Y);
    SetMouseState(msClicked);
    if (FMouseInputType == mitAngular)
        AngularInputAt(X, Y);
}

void TVexGraphicControl::MouseMove(int X, int Y) {
    // An input handler may destroy the control; nothing is touched after that.
    const QPointer<TVexGraphicControl> Self(this);
    if (FButtons & mbLeft) {
        switch (FMouseInputType) {
        case mitDragXY:
            DragBy(X - FLastPoint.X, FLastPoint.Y - Y);
            break;
        case mitDragX:
            DragBy(X - FLastPoint.X, 0);
            break;
        case mitDragY:
            DragBy(0, FLastPoint.Y - Y);
            break;
        case mitAngular:
            AngularInputAt(X, Y);
            break;
        case mitNone:
            break;
        }
    }
    if (Self)
        FLastPoint = Point(X, Y);
}

void TVexGraphicControl::MouseUp(TMouseButton Button, int, int) {
    FButtons &= ~unsigned(Button);
}

void TVexGraphicControl::paintEvent(QPaintEvent *) {
    QPainter Painter(this);
    TCanvas Canvas(&Painter);
    Paint(Canvas);
}

void TVexGraphicControl::mousePressEvent(QMouseEvent *Event) {
    const std::optional<TMouseButton> Button = ToButton(Event->button());
    if (!Button)
        return;
    const QPoint P = Event->position().toPoint();
    if (!HitTest(P.x(), P.y())) {
        // Outside the outline: the press, and the moves and release that follow it, belong to
        // what lies beneath.
        FPassedButtons |= *Button;
        Event->ignore();
        return;
    }
    if (*Button == mbLeft)
        FPressedForClick = true;
    Guarded([&] { MouseDown(*Button, P.x(), P.y()); });
}

void TVexGraphicControl::mouseMoveEvent(QMouseEvent *Event) {
    const QPoint P = Event->position().toPoint();
    // Moves of a drag that began outside the outline, and moves over the outside with no drag
    // of this control's own, go on to what lies beneath.
    if ((FPassedButtons && !FButtons) || (!FButtons && !HitTest(P.x(), P.y()))) {
        Event->ignore();
        return;
    }
    Guarded([&] { MouseMove(P.x(), P.y()); });
}

void TVexGraphicControl::mouseReleaseEvent(QMouseEvent *Event) {
    const std::optional<TMouseButton> Button = ToButton(Event->button());
    if (!Button)
        return;
    if (FPassedButtons & *Button) {
        FPassedButtons &= ~unsigned(*Button);
        Event->ignore();
        return;
    }
    const QPoint P = Event->position().toPoint();
    // As on the desktop, the click comes before the release is handled; a click handler may
    // destroy the control (a page replacing itself), and then nothing more is done.
    const QPointer<TVexGraphicControl> Self(this);
    if (*Button == mbLeft && FPressedForClick) {
        FPressedForClick = false;
        if (rect().contains(P))
            Guarded([&] { emit OnClick(this); });
        if (!Self)
            return;
    }
    Guarded([&] { MouseUp(*Button, P.x(), P.y()); });
}

void TVexGraphicControl::enterEvent(QEnterEvent *) {
    SetMouseState(msEntered);
}

void TVexGraphicControl::leaveEvent(QEvent *) {
    SetMouseState(msExited);
}

void TVexGraphicControl::resizeEvent(QResizeEvent *) {
    FollowGeometry();
}

void TVexGraphicControl::moveEvent(QMoveEvent *) {
    FollowGeometry();
}

bool TVexGraphicControl::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == parentWidget() && Event->type() == QEvent::Resize && FAlign != alNone)
        AlignChildren(parentWidget());
    return QWidget::eventFilter(Watched, Event);
}

void TVexGraphicControl::FollowGeometry() {
    if (geometry() != FBounds.ToQRect())
        SetBounds(x(), y(), width(), height());
}

void TVexGraphicControl::LoadFromFile(const QString &FileName, TVexStreamFormat Format) {
    // The reader cannot create components, so owned ones are not destroyed first: the file's
    // nested blocks are read into them in place, and none is lost to a file that names it.
    LoadControlFromFile(*this, FileName, Format);
}

void TVexGraphicControl::SaveToFile(const QString &FileName, TVexStreamFormat Format) {
    SaveControlToFile(*this, FileName, Format);
}

QString TVexGraphicControl::FileFilter() const {
    const QString N = ComponentClassName(*metaObject());
    return N + QStringLiteral(" files (*.") + N + QStringLiteral(")|*.") + N;
}

QString TVexGraphicControl::SaveFileName(const QString &Chosen) const {
    const QString N = ComponentClassName(*metaObject());
    const int Dot = Chosen.lastIndexOf(QLatin1Char('.'));
    const int Slash = Chosen.lastIndexOf(QLatin1Char('/'));
    const QString Extension = Dot > Slash ? Chosen.mid(Dot) : QString();
    if (Extension.toUpper() != QLatin1Char('.') + N.toUpper())
        return Chosen + QLatin1Char('.') + N;
    return Chosen;
}

void TVexGraphicControl::LoadWithDialog(TVexStreamFormat Format) {
    const QString FileName = FileDialog()(this, FileFilter(), false);
    if (!FileName.isEmpty())
        LoadFromFile(FileName, Format);
}

void TVexGraphicControl::SaveWithDialog(TVexStreamFormat Format) {
    const QString FileName = FileDialog()(this, FileFilter(), true);
    if (!FileName.isEmpty())
        SaveToFile(SaveFileName(FileName), Format);
}

void TVexGraphicControl::SetFileDialog(TFileDialog Dialog) {
    FileDialog() = std::move(Dialog);
}

} // namespace Vex
