#pragma once
// A control's published state as its control file states it, line by line without the header
// (which names the control), so two controls compare equal when a file cannot tell them apart.

#include "platform/streaming/ComponentStream.h"

#include <QStringList>

namespace Vex {

inline QStringList StoredValues(const QObject &Control) {
    QStringList Lines = WriteComponentText(Control).split(QStringLiteral("\r\n"));
    Lines.removeFirst();
    return Lines;
}

} // namespace Vex
