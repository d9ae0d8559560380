#include "editors/VexEditorDialogs.h"

#include "platform/core/Maths.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace Vex {

namespace {
std::optional<TColor> QtColorDialog(QWidget *Parent, TColor Initial) {
    const QColor Chosen = QColorDialog::getColor(ToQColor(ColorToRGB(Initial)), Parent);
    if (!Chosen.isValid())
        return std::nullopt;
    return FromQColor(Chosen);
}

std::optional<TFont> QtFontDialog(QWidget *Parent, const TFont &Initial) {
    bool Ok = false;
    const QFont Chosen = QFontDialog::getFont(&Ok, ToDialogFont(Initial), Parent);
    if (!Ok)
        return std::nullopt;
    return FromDialogFont(Chosen, Initial);
}

std::optional<TFileDialogChoice> QtFileDialog(QWidget *Parent, const TFileDialogRequest &Request) {
    const QStringList Filters = QtNameFilters(Request.Filter);
    const QString Joined = Filters.join(QStringLiteral(";;"));
    QString Selected = Filters.value(0);
    const QString Name =
        Request.Mode == TFileDialogRequest::fdSave
            ? QFileDialog::getSaveFileName(Parent, QString(), Request.FileName, Joined, &Selected)
            : QFileDialog::getOpenFileName(Parent, QString(), Request.FileName, Joined, &Selected);
    if (Name.isEmpty())
        return std::nullopt;
    return TFileDialogChoice{Name, std::max(0, int(Filters.indexOf(Selected)))};
}

void QtMessage(QWidget *Parent, const QString &Text) {
    QMessageBox::warning(Parent, QApplication::applicationName(), Text);
}

// The installed function of each kind; empty means Qt's dialog.
template <typename TFunction> TFunction &Installed() {
    static TFunction Function;
    return Function;
}

template <typename TFunction> TFunction Replace(TFunction Function) {
    TFunction Previous = std::move(Installed<TFunction>());
    Installed<TFunction>() = std::move(Function);
    return Previous;
}
} // namespace

std::optional<TColor> ExecuteColorDialog(QWidget *Parent, TColor Initial) {
    const auto &F = Installed<TColorDialogFunction>();
    return F ? F(Parent, Initial) : QtColorDialog(Parent, Initial);
}

TColorDialogFunction SetColorDialog(TColorDialogFunction Function) {
    return Replace(std::move(Function));
}

std::optional<TFont> ExecuteFontDialog(QWidget *Parent, const TFont &Initial) {
    const auto &F = Installed<TFontDialogFunction>();
    return F ? F(Parent, Initial) : QtFontDialog(Parent, Initial);
}

TFontDialogFunction SetFontDialog(TFontDialogFunction Function) {
    return Replace(std::move(Function));
}

std::optional<TFileDialogChoice> ExecuteFileDialog(QWidget *Parent,
                                                   const TFileDialogRequest &Request) {
    const auto &F = Installed<TFileDialogFunction>();
    return F ? F(Parent, Request) : QtFileDialog(Parent, Request);
}

TFileDialogFunction SetFileDialog(TFileDialogFunction Function) {
    return Replace(std::move(Function));
}

void ShowEditorMessage(QWidget *Parent, const QString &Text) {
    const auto &F = Installed<TMessageFunction>();
    if (F)
        F(Parent, Text);
    else
        QtMessage(Parent, Text);
}

TMessageFunction SetEditorMessage(TMessageFunction Function) {
    return Replace(std::move(Function));
}

QStringList QtNameFilters(const QString &Filter) {
    const QStringList Parts = Filter.split(QLatin1Char('|'));
    QStringList Filters;
    for (qsizetype I = 0; I + 1 < Parts.size(); I += 2) {
        const QString &Description = Parts[I];
        const QString Patterns = QString(Parts[I + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        Filters << (Description.contains(QLatin1Char('('))
                        ? Description
                        : Description + QStringLiteral(" (") + Patterns + QLatin1Char(')'));
    }
    return Filters;
}

QFont ToDialogFont(const TFont &Font) {
    QFont Result = Font.ToQFont();
    Result.setStyleStrategy(QFont::PreferDefault);
    // The dialog lists sizes in points; a cell height has no exact size, so it is converted.
    if (Font.Height < 0)
        Result.setPointSize(std::max(1, Font.Size()));
    else
        Result.setPointSizeF(std::max(1.0, Result.pixelSize() * 72.0 / 96.0));
    return Result;
}

TFont FromDialogFont(const QFont &Font, const TFont &Base) {
    TFont Result = Base;
    Result.Name = Font.family();
    if (Font.pointSizeF() > 0)
        Result.SetSize(std::max(1, Round(Font.pointSizeF())));
    else if (Font.pixelSize() > 0)
        Result.Height = -Font.pixelSize();
    Result.Style = (Font.bold() ? fsBold : 0) | (Font.italic() ? fsItalic : 0) |
                   (Font.underline() ? fsUnderline : 0) | (Font.strikeOut() ? fsStrikeOut : 0);
    return Result;
}

} // namespace Vex
