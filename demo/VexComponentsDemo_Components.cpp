#include "demo/VexComponentsDemo_Components.h"

#include "controls/ControlClasses.h"
#include "demo/VexComponentsDemo_Database.h"
#include "demo/VexComponentsDemo_Widgets.h"
#include "platform/core/Errors.h"
#include "platform/format/FloatFormat.h"
#include "platform/streaming/ComponentRegistry.h"

#include <QHeaderView>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
#include <algorithm>

namespace Vex {

namespace {
// The sizes a widget takes are bounded as the controls' are, so a description cannot ask for a
// surface of gigabytes.
constexpr int KMaxSide = 32767;

int Side(int Value) {
    return std::clamp(Value, 0, KMaxSide);
}

// Shows money as the desktop's currency fields did: "$1,234.50", negatives in parentheses.
class TCurrencyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &Value, const QLocale &Locale) const override {
        bool IsNumber = false;
        const double Number = Value.toDouble(&IsNumber);
        if (!IsNumber)
            return QStyledItemDelegate::displayText(Value, Locale);
        return FormatFloat(QStringLiteral("$#,##0.00;($#,##0.00)"), Number);
    }
};

QList<QWidget *> AlignedChildren(QWidget *Parent, TAlign Which) {
    QList<QWidget *> Group;
    for (QObject *Child : Parent->children()) {
        auto *W = qobject_cast<QWidget *>(Child);
        // The library's controls dock themselves; Align is theirs as well.
        if (!W || qobject_cast<TVexGraphicControl *>(W))
            continue;
        const QVariant Align = W->property("Align");
        if (Align.isValid() && Align.value<TAlign>() == Which)
            Group << W;
    }
    return Group;
}
} // namespace

void RegisterDemoClasses() {
    static const bool Registered = [] {
        RegisterControlClasses();
        RegisterComponentClass<TPanel>(QStringLiteral("TPanel"));
        RegisterComponentClass<TTimer>(QStringLiteral("TTimer"));
        RegisterComponentClass<TTable>(QStringLiteral("TTable"));
        RegisterComponentClass<TFloatField>(QStringLiteral("TFloatField"));
        RegisterComponentClass<TCurrencyField>(QStringLiteral("TCurrencyField"));
        RegisterComponentClass<TStringField>(QStringLiteral("TStringField"));
        RegisterComponentClass<TDataSource>(QStringLiteral("TDataSource"));
        RegisterComponentClass<TDBGrid>(QStringLiteral("TDBGrid"));
        return true;
    }();
    (void)Registered;
}

void DockChildren(QWidget *Parent) {
    QRect Free = Parent->contentsRect();
    const auto ByTop = [](QWidget *A, QWidget *B) { return A->y() < B->y(); };
    QList<QWidget *> Top = AlignedChildren(Parent, TVexGraphicControl::alTop);
    std::stable_sort(Top.begin(), Top.end(), ByTop);
    for (QWidget *W : Top) {
        W->setGeometry(Free.left(), Free.top(), Free.width(), W->height());
        Free.setTop(Free.top() + W->height());
    }
    QList<QWidget *> Bottom = AlignedChildren(Parent, TVexGraphicControl::alBottom);
    std::stable_sort(Bottom.begin(), Bottom.end(),
                     [&](QWidget *A, QWidget *B) { return ByTop(B, A); });
    for (QWidget *W : Bottom) {
        W->setGeometry(Free.left(), Free.bottom() + 1 - W->height(), Free.width(), W->height());
        Free.setBottom(Free.bottom() - W->height());
    }
    for (QWidget *W : AlignedChildren(Parent, TVexGraphicControl::alClient))
        W->setGeometry(Free.left(), Free.top(), Free.width(), std::max(0, Free.height()));
}

// ---- TPanel

TPanel::TPanel(QWidget *Parent) : QFrame(Parent) {
    SetColor(FColor);
    SetBevelOuter(FBevelOuter);
}

void TPanel::SetWidth(int Value) {
    resize(Side(Value), height());
}

void TPanel::SetHeight(int Value) {
    resize(width(), Side(Value));
}

void TPanel::SetAlign(TAlign Value) {
    FAlign = Value;
    if (parentWidget() && !IsLoading())
        DockChildren(parentWidget());
}

void TPanel::SetColor(TColor Value) {
    FColor = Value;
    SetBackground(this, Value);
}

void TPanel::SetBevelOuter(TBevelCut Value) {
    FBevelOuter = Value;
    setFrameStyle(Value == bvNone     ? QFrame::NoFrame
                  : Value == bvRaised ? QFrame::Panel | QFrame::Raised
                                      : QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

// While loading, the children's places are still arriving one by one: they are docked once
// when loading ends, in the order of their designed Top.
void TPanel::resizeEvent(QResizeEvent *Event) {
    QFrame::resizeEvent(Event);
    if (!IsLoading())
        DockChildren(this);
}

void TPanel::Loaded() {
    TVexComponent::Loaded();
    DockChildren(this);
}

// ---- TTimer

TTimer::TTimer(QObject *Owner) : QObject(Owner) {
    FTimer.setInterval(FInterval);
    connect(&FTimer, &QTimer::timeout, this, &TTimer::Fire);
    Restart();
}

void TTimer::SetEnabled(bool Value) {
    FEnabled = Value;
    Restart();
}

void TTimer::SetInterval(int Value) {
    if (Value <= 0)
        return;
    FInterval = Value;
    FTimer.setInterval(Value);
    Restart();
}

void TTimer::Fire() {
    emit OnTimer(this);
}

void TTimer::Loaded() {
    TVexComponent::Loaded();
    Restart();
}

void TTimer::Restart() {
    if (FEnabled && !IsLoading())
        FTimer.start();
    else
        FTimer.stop();
}

// ---- TField

QString TField::DisplayLabel() const {
    return FDisplayLabel.isEmpty() ? FFieldName : FDisplayLabel;
}

// ---- TTable

TTable::TTable(QObject *Owner) : TVexTable(Owner) {}

void TTable::SetDatabaseName(const QString &Value) {
    Close();
    FDatabaseName = Value;
}

void TTable::SetActive(bool Value) {
    FWantActive = Value;
    if (IsLoading())
        return;
    if (Value)
        OpenOnDatabase();
    else
        Close();
}

void TTable::OpenIfActive() {
    if (FWantActive)
        OpenOnDatabase();
}

void TTable::OpenOnDatabase() {
    if (TVexTable::Active())
        return;
    if (FDatabaseName == QLatin1String(SampleDatabaseConnection))
        SetDatabase(SampleDatabase());
    else if (QSqlDatabase::contains(FDatabaseName))
        SetDatabase(QSqlDatabase::database(FDatabaseName, false));
    else
        throw EVexError(QStringLiteral("Unknown database '%1'").arg(FDatabaseName));
    Open();
}

QList<TField *> TTable::Fields() const {
    return findChildren<TField *>(QString(), Qt::FindDirectChildrenOnly);
}

// ---- TDBGrid

TDBGrid::TDBGrid(QWidget *Parent)
    : TVexDBGrid(Parent), FCurrencyDelegate(new TCurrencyDelegate(this)) {
    SetOptions(FOptions);
}

void TDBGrid::SetWidth(int Value) {
    resize(Side(Value), height());
}

void TDBGrid::SetHeight(int Value) {
    resize(width(), Side(Value));
}

void TDBGrid::SetAlign(TAlign Value) {
    FAlign = Value;
    if (parentWidget() && !IsLoading())
        DockChildren(parentWidget());
}

void TDBGrid::SetOptions(TDBGridOptions Value) {
    FOptions = Value;
    horizontalHeader()->setVisible(Value & dgTitles);
    verticalHeader()->setVisible(Value & dgIndicator);
    setSelectionBehavior(Value & dgRowSelect ? SelectRows : SelectItems);
    // A row-select grid is for moving through records; its cells are not edited.
    const bool Editing = (Value & dgEditing) && !(Value & dgRowSelect);
    setEditTriggers(Editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

void TDBGrid::setModel(QAbstractItemModel *Model) {
    if (QAbstractItemModel *Old = model())
        disconnect(Old, nullptr, this, nullptr);
    TVexDBGrid::setModel(Model);
    if (Model) {
        // A write reloads the model, which forgets hidden columns.
        connect(Model, &QAbstractItemModel::modelReset, this, &TDBGrid::ShowFields);
        ShowFields();
    }
}

// The persistent fields in their order, under their labels; every column without them.
void TDBGrid::ShowFields() {
    auto *Model = qobject_cast<QSqlTableModel *>(model());
    auto *Table = DataSource() ? qobject_cast<TTable *>(DataSource()->DataSet()) : nullptr;
    if (!Model || !Table)
        return;
    const QList<TField *> Fields = Table->Fields();
    const QSqlRecord Record = Model->record();
    for (int Column = 0; Column < Record.count(); ++Column) {
        setColumnHidden(Column, !Fields.isEmpty());
        setItemDelegateForColumn(Column, nullptr);
    }
    QHeaderView *Header = horizontalHeader();
    for (int I = 0; I < Fields.size(); ++I) {
        const int Column = Record.indexOf(Fields[I]->FieldName());
        if (Column < 0)
            continue;
        setColumnHidden(Column, false);
        Model->setHeaderData(Column, Qt::Horizontal, Fields[I]->DisplayLabel());
        Header->moveSection(Header->visualIndex(Column), I);
        if (Fields[I]->Currency())
            setItemDelegateForColumn(Column, FCurrencyDelegate);
    }
}

} // namespace Vex
