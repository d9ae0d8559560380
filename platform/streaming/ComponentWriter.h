#pragma once
// The writer of the control-file text: a component's streamed properties and named children,
// block by block, in the form the reader takes back.

#include "platform/core/VexExport.h"
#include <QMetaProperty>
#include <QObject>
#include <QString>

namespace Vex {

namespace ComponentText {

class VEX_EXPORT TTextWriter {
public:
    const QString &Text() const { return FText; }
    // Appends the block of O and its streamed children, indented Depth levels. Raises EVexError
    // for a value the reader could not take back.
    void WriteObject(const QObject &O, int Depth);

private:
    void Line(int Depth, const QString &S);
    void WriteProperty(const QObject &O, const QMetaProperty &P, int Depth);
    void WriteStrings(const QObject &O, const QMetaProperty &P, int Depth);
    void WriteImage(const QObject &O, const QMetaProperty &P, int Depth);

    QString FText;
};

} // namespace ComponentText

} // namespace Vex
