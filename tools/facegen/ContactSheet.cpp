#include "ContactSheet.h"

#include "FaceStyles.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

namespace Vex {

namespace {
constexpr int KColumns = 5;
constexpr int KGap = 16;
constexpr int KCaption = 22;
// The grey of a dialog behind the faces, as on a form.
const QColor KSheetColor(212, 208, 200);

struct TCell {
    const TFaceStyle *Style;
    QImage Face;
};

// The largest width of each column and the largest height of each row.
void MeasureGrid(const std::vector<TCell> &Cells, std::vector<int> &Widths,
                 std::vector<int> &Heights) {
    Widths.assign(KColumns, 0);
    Heights.assign((Cells.size() + KColumns - 1) / KColumns, 0);
    for (size_t I = 0; I < Cells.size(); ++I) {
        int &Width = Widths[I % KColumns];
        int &Height = Heights[I / KColumns];
        Width = std::max(Width, Cells[I].Face.width());
        Height = std::max(Height, Cells[I].Face.height());
    }
}

int Sum(const std::vector<int> &Values, size_t Count) {
    int Total = 0;
    for (size_t I = 0; I < Count; ++I)
        Total += Values[I] + KGap;
    return Total;
}

void DrawCell(QPainter &Painter, const TCell &Cell, const QRect &Box) {
    const QRect Face(Box.topLeft(), Cell.Face.size());
    QPainterPath Outline;
    if (Cell.Style->Housing == hoRound)
        Outline.addEllipse(Face);
    else
        Outline.addRect(Face);
    Painter.save();
    Painter.setClipPath(Outline);
    Painter.drawImage(Face.topLeft(), Cell.Face);
    Painter.restore();
    const QString Caption = QStringLiteral("%1   %2 x %3")
                                .arg(Cell.Style->Index)
                                .arg(Cell.Face.width())
                                .arg(Cell.Face.height());
    Painter.drawText(QRect(Box.left(), Face.bottom() + 4, Box.width(), KCaption),
                     Qt::AlignLeft | Qt::AlignVCenter, Caption);
}
} // namespace

bool WriteContactSheet(const QString &Folder, const QString &SheetFile, QString &Error) {
    std::vector<TCell> Cells;
    for (const TFaceStyle &Style : FaceStyles()) {
        const QString File = QDir(Folder).filePath(QString::number(Style.Index) + ".jpg");
        QImage Face(File);
        if (Face.isNull()) {
            Error = QStringLiteral("cannot read %1").arg(File);
            return false;
        }
        Cells.push_back({&Style, Face});
    }
    std::vector<int> Widths, Heights;
    MeasureGrid(Cells, Widths, Heights);
    QImage Sheet(Sum(Widths, Widths.size()) + KGap,
                 Sum(Heights, Heights.size()) + int(Heights.size()) * KCaption + KGap,
                 QImage::Format_RGB32);
    Sheet.fill(KSheetColor);
    QPainter Painter(&Sheet);
    Painter.setRenderHint(QPainter::Antialiasing);
    for (size_t I = 0; I < Cells.size(); ++I) {
        const size_t Column = I % KColumns;
        const size_t Row = I / KColumns;
        const QRect Box(KGap + Sum(Widths, Column), KGap + Sum(Heights, Row) + int(Row) * KCaption,
                        Widths[Column], Heights[Row] + KCaption);
        DrawCell(Painter, Cells[I], Box);
    }
    Painter.end();
    if (!Sheet.save(SheetFile, "PNG")) {
        Error = QStringLiteral("cannot write %1").arg(SheetFile);
        return false;
    }
    return true;
}

} // namespace Vex
