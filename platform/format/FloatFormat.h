#pragma once
// Number formatting with format pictures, as the instruments' ScaleFormat, ValueFormat and
// Format properties store them.
//
// Picture elements: "0" a digit always shown, "#" a digit shown only when significant, "." the
// place of the decimal separator (the first one counts; it is written only when a fraction digit
// follows), "," anywhere turns on thousands grouping of the integer part, "E+", "E-", "e+", "e-"
// scientific notation followed by 0s for the exponent's minimum digits (at most four; "E+"
// always writes the sign, "E-" only a minus), text in single or double quotes copied literally,
// any other character copied as is. Up to three sections separated by ";" format positive,
// negative and zero values; text after a third ";" is ignored. An empty negative or zero section
// falls back to the first section; only the first section writes a minus sign. A value that
// rounds to zero in its section is written by the zero section as zero, without a sign. An empty
// picture, or an empty first section for a positive value, gives FloatToStr's text.
//
// Digits are rounded half away from zero on the value's first 18 significant decimal digits, so
// FormatFloat("0.00", 2.675) is "2.67" (the stored double lies just below). Integer digits beyond
// the picture's placeholders are all written, however large the value. NaN and infinities give
// "NAN", "INF" and "-INF"; negative zero is zero. Work is linear in the picture's length.
//
// The separators are process-wide so that the application can apply its locale once.

#include "platform/core/VexExport.h"
#include <QString>

namespace Vex {

// The decimal separator that FormatFloat and FloatToStr write ("." unless set).
VEX_EXPORT QChar DecimalSeparator();
VEX_EXPORT void SetDecimalSeparator(QChar Separator);
// The grouping character of "," pictures ("," unless set).
VEX_EXPORT QChar ThousandSeparator();
VEX_EXPORT void SetThousandSeparator(QChar Separator);

VEX_EXPORT QString FormatFloat(const QString &Picture, double Value);
// Shortest general text of Value with up to 15 significant digits ("0.1", "42.7"): fixed when
// 1E-4 <= |Value| < 1E15 after rounding, else one digit before the point and an exponent with a
// sign only when negative ("1E20", "1.5E-5").
VEX_EXPORT QString FloatToStr(double Value);

} // namespace Vex
