#include "platform/FloatFormat.h"

// Minimal placeholder until the full picture formatter lands.
namespace {
QChar GDecimal = QLatin1Char('.');
QChar GThousand = QLatin1Char(',');
} // namespace

QChar DecimalSeparator() { return GDecimal; }
void SetDecimalSeparator(QChar Separator) { GDecimal = Separator; }
QChar ThousandSeparator() { return GThousand; }
void SetThousandSeparator(QChar Separator) { GThousand = Separator; }

QString FormatFloat(const QString &, double Value) { return QString::number(Value, 'f', 2); }
QString FloatToStr(double Value) { return QString::number(Value, 'g', 15); }
