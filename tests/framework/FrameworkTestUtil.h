#pragma once
// Mouse input and frame ticks for framework tests: events are sent straight to the widget, and
// frames are advanced by calling the frame timer's tick, never by waiting.

#include "framework/VexVBlankTimer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace Vex {

inline void SendMouse(QWidget *W, QEvent::Type Type, QPoint At, Qt::MouseButton Button,
                      Qt::MouseButtons Held) {
    QMouseEvent Event(Type, QPointF(At), QPointF(W->mapToGlobal(At)), Button, Held, Qt::NoModifier);
    QCoreApplication::sendEvent(W, &Event);
}

inline void Press(QWidget *W, QPoint At, Qt::MouseButton Button = Qt::LeftButton) {
    SendMouse(W, QEvent::MouseButtonPress, At, Button, Button);
}

inline void MoveTo(QWidget *W, QPoint At, Qt::MouseButtons Held = Qt::LeftButton) {
    SendMouse(W, QEvent::MouseMove, At, Qt::NoButton, Held);
}

inline void Release(QWidget *W, QPoint At, Qt::MouseButton Button = Qt::LeftButton) {
    SendMouse(W, QEvent::MouseButtonRelease, At, Button, Qt::NoButton);
}

inline void Ticks(int Count) {
    for (int I = 0; I < Count; ++I)
        if (TVexVBlankTimer *Timer = TVexVBlankTimer::Find())
            Timer->Tick();
}

} // namespace Vex
