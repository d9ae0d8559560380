#pragma once
// The buffered control: owns the off-screen surface FBuffer, which follows the control's size
// (descendants that draw at the screen's resolution size it in device pixels), into which
// descendants render, and receives the shared frame tick once subscribed.
//
// Frames cost nothing at rest: the shared timer runs only while a subscribed control needs
// frames (Animating, or a handler connected to OnVBS). A control whose animation starts calls
// WakeFrameTimer.
//
// High-density screens: a control shown at a device-pixel ratio above 1 renders into surfaces
// of device pixels. PixelRatio is the ratio the surfaces are built for; RenderScale gives the
// rendering pixels per control pixel of a picture drawn at double size and halved, and
// HalvesRendering whether the halving is still needed (below ratio 2; from ratio 2 the double-
// size rendering is device resolution already). When a paint finds the control on a screen of
// another ratio, PixelRatioChanged rebuilds the static pictures before that paint.

#include "framework/VexGraphicControl.h"
#include "platform/core/VexExport.h"
#include "platform/graphics/Bitmap.h"

#include <QPointer>
#include <QSize>
#include <memory>
#include <vector>

class QPainter;

namespace Vex {

class TVexVBlankTimer;

// Lengths and offsets in rendering pixels are held to this many pixels either side of a
// surface's origin: far beyond the largest surface, and small enough that sums of a few such
// values stay within an int.
inline constexpr double KMaxRenderOffset = 1 << 22;

class VEX_EXPORT TVexVBSGraphicControl : public TVexGraphicControl {
    Q_OBJECT

public:
    explicit TVexVBSGraphicControl(QWidget *Parent = nullptr);
    ~TVexVBSGraphicControl() override;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Subscribes to the frame timer, once; there is no unsubscribing short of destruction.
    // Designing controls are marked subscribed but never tick.
    void EnableFrameTimer(bool Value);
    bool Subscribed() const { return FSubscribed; }
    virtual void EndUpdate();

    // One frame, as the frame timer delivers it: raises OnVBS, then runs FrameTick unless an
    // OnVBS handler destroyed the control.
    void Frame();
    // The per-frame work of animated descendants, which call the inherited one first. Empty
    // here: OnVBS has been raised already.
    virtual void FrameTick();
    // Whether the frame timer must keep ticking for this control: an OnVBS handler is
    // connected (it is promised a frame every 20 ms), or the control animates.
    bool NeedsFrames() const;

    const TBitmap &Buffer() const { return *FBuffer; }

    // Device pixels per control pixel that the surfaces are built for (1 on ordinary screens).
    qreal PixelRatio() const { return FPixelRatio; }

signals:
    void OnVBS(TVexVBSGraphicControl *Sender);

protected:
    // Adds a surface that follows the control's size, like FBuffer.
    void AddResizedBitmap(TBitmap *Bitmap) { FResizeList.push_back(Bitmap); }

    // True while the control is in motion and wants the frames that move it. A control that
    // subscribes is taken to want every frame unless it says when it rests: descendants that
    // know override it, answer false at rest, and call WakeFrameTimer when a motion starts.
    virtual bool Animating() const { return true; }
    // Starts the frame timer for an animation that has just begun. Returns whether a frame will
    // come (the control is subscribed to a live timer and has a parent): when not, the caller
    // repaints at once instead of waiting for one.
    bool WakeFrameTimer();

    // Rendering pixels per control pixel for a picture drawn at double size and halved: twice
    // the pixel ratio below ratio 2, the ratio itself from 2 up. With Supersampled false (a
    // control drawing without the double size) the ratio itself.
    qreal RenderScale(bool Supersampled = true) const;
    // Whether a double-size rendering is to be halved: only below ratio 2.
    bool HalvesRendering() const { return FPixelRatio < 2; }
    // A length given in pixels of the double-size rendering of an ordinary screen, in rendering
    // pixels at RenderScale(): unchanged at ratios 1 and 2, rounded otherwise; held to
    // +-KMaxRenderOffset, so that a length from a property at the int limits leaves room for sums.
    int FromDoubleSize(double DoubleSizePixels) const;
    // The control's size, or a size in control pixels, in device pixels, rounded up so that the
    // surface covers the control.
    QSize DeviceSize() const { return DeviceSize(Width(), Height()); }
    QSize DeviceSize(int AWidth, int AHeight) const;
    // Font for drawing at Scale rendering pixels per control pixel: the same font at 1, twice
    // the point size at 2 (the double-size rendering's font), the point size scaled otherwise.
    static TFont ScaledFont(const TFont &Font, qreal Scale);
    // Draws the top-left DeviceSize() pixels of Source, which holds device pixels, over the
    // control's area (Painter in control pixels, as a paint event gives it).
    void DrawDeviceImage(QPainter &Painter, const QImage &Source) const;
    // Target becomes the top-left Size pixels of Source, premultiplied, with the pixels outside
    // Region transparent: the picture of a control with a window outline, which is drawn over
    // what lies beneath. Size and Region in the pixels of Source.
    static void CutToRegion(QImage &Target, const QImage &Source, QSize Size,
                            const TRegion &Region);
    // The static pictures are out of date for the ratio of the control's screen: rebuild them.
    // Runs before the paint that found the new ratio, with PixelRatio() already the new one.
    virtual void PixelRatioChanged() {}

    // The area, in control pixels, that the current paint covers: the rest of the control is
    // on screen already.
    const QRect &PaintRect() const { return FPaintRect; }

    void paintEvent(QPaintEvent *Event) override;
    bool event(QEvent *Event) override;
    void connectNotify(const QMetaMethod &Signal) override;

    std::unique_ptr<TBitmap> FBuffer;
    bool FUpdateLocked = false;

private:
    // Takes the ratio of the control's screen; true when it changed.
    bool FollowPixelRatio();

    QPointer<TVexVBlankTimer> FFrameTimer;
    std::vector<TBitmap *> FResizeList;
    bool FSubscribed = false;
    qreal FPixelRatio = 1;
    QRect FPaintRect;
};

} // namespace Vex
