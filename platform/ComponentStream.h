#pragma once
// The text form of control files: a component's published properties, one per line, inside an
// object block.
//
//   object VexGauge1: TVexGauge
//     Float = 42.5
//     Caption = 'Oil '#13#10'pressure'
//     Font.Style = [fsBold]
//     object Inner1: TVexTexGen
//       ...
//     end
//   end
//
// Published properties are the readable, writable, stored Q_PROPERTYs declared by our own
// classes (those whose names do not begin with "Q"), in meta-object order, ancestors first.
// Named child components are nested blocks. Lines end with CR LF; numbers use "." whatever the
// locale; text outside Latin-1 is written as character codes, so the whole text is Latin-1.

#include <QObject>
#include <QString>
#include <functional>

// Bounds on what the reader accepts, so that a damaged or hostile file fails with an error
// instead of exhausting memory or the stack.
constexpr qsizetype KMaxComponentTextSize = 8 * 1024 * 1024;
constexpr qsizetype KMaxComponentLineSize = 1024 * 1024;
constexpr int KMaxComponentNesting = 32;
constexpr qsizetype KMaxComponentAssignments = 65536;

// The text form of Root and its named child components. Raises EVexError for a value that the
// reader could not take back (a type it does not know, a non-finite number, a line too long).
QString WriteComponentText(const QObject &Root);

// Reads Text into the existing Root: the header's class must be Root's class, every property
// must be one of its published properties with a value of the right type, and nested blocks
// must name existing child components. The whole text is checked before anything changes;
// only then BeforeApply runs and the values are set through their setters in file order,
// inside a loading scope that gives Root (and each child read) one Loaded() at the end.
// A bad text raises EVexError "<SourceName>, line <n>: <what is wrong>" and changes nothing.
void ReadComponentText(QObject &Root, const QString &Text, const QString &SourceName,
                       const std::function<void()> &BeforeApply = {});
