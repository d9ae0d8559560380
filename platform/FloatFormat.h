#pragma once
// Number formatting with format pictures, as the instruments' ScaleFormat, ValueFormat and
// Format properties store them.
//
// Picture elements: "0" a digit always shown, "#" a digit shown only when significant, "." the
// decimal separator's place, "," thousands grouping (anywhere in the integer part), "E+", "E-",
// "e+", "e-" scientific notation followed by 0s for the exponent's minimum digits, text in
// single or double quotes copied literally, and up to three sections separated by ";" for
// positive, negative and zero values. Digits are rounded half away from zero on the decimal
// expansion of the value.

#include <QString>

// The decimal separator that FormatFloat and FloatToStr write ("." unless set).
QChar DecimalSeparator();
void SetDecimalSeparator(QChar Separator);
QChar ThousandSeparator();
void SetThousandSeparator(QChar Separator);

QString FormatFloat(const QString &Picture, double Value);
// Shortest general text of Value with up to 15 significant digits ("0.1", "42.7", "1E20").
QString FloatToStr(double Value);
