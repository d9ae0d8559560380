#pragma once
// The components the demonstration's page descriptions are made of besides the instruments:
// panels, page timers, tables with their fields, data sources and grids. Each publishes the
// properties a description sets, under the names the desktop's forms gave them, and is created
// by class name (RegisterDemoClasses).

#include "framework/VexGraphicControl.h"
#include "platform/core/Component.h"
#include "platform/data/VexDBGrid.h"
#include "platform/data/VexDataSource.h"
#include "platform/data/VexTable.h"
#include "platform/graphics/Colors.h"

#include <QAbstractItemDelegate>
#include <QFrame>
#include <QTimer>

namespace Vex {

using TAlign = TVexGraphicControl::TAlign;

// Registers the library's controls and the classes below with the component registry. Safe to
// call more than once.
void RegisterDemoClasses();

// Docks the panels and grids of Parent that have an Align, as the desktop docked them: top ones
// stacked from the top in the order of their Top, bottom ones from the bottom, and a client
// one filling what is left. The library's controls dock themselves.
void DockChildren(QWidget *Parent);

// A plain rectangle of colour that holds other components, with an optional one-pixel bevel.
class TPanel : public QFrame, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Vex::TVexGraphicControl::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)

public:
    enum TBevelCut { bvNone, bvLowered, bvRaised };
    Q_ENUM(TBevelCut)

    explicit TPanel(QWidget *Parent);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int Value) { move(Value, y()); }
    void SetTop(int Value) { move(x(), Value); }
    void SetWidth(int Value);
    void SetHeight(int Value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);

protected:
    void resizeEvent(QResizeEvent *Event) override;
    void Loaded() override;

private:
    TAlign FAlign = TVexGraphicControl::alNone;
    TColor FColor = clBtnFace;
    TBevelCut FBevelOuter = bvRaised;
};

// A page's periodic timer: raises OnTimer every Interval milliseconds while Enabled, from the
// end of loading on. Freed with its page, it never fires again.
class TTimer : public QObject, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

public:
    explicit TTimer(QObject *Owner);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int Interval() const { return FInterval; }
    // Milliseconds; 0 and negative values are refused.
    void SetInterval(int Value);
    bool Running() const { return FTimer.isActive(); }

    // One tick, now: what the platform's timer does every Interval. The gallery and the tests
    // drive page timers through it instead of waiting.
    void Fire();

signals:
    void OnTimer(TTimer *Sender);

protected:
    void Loaded() override;

private:
    void Restart();

    QTimer FTimer;
    bool FEnabled = true;
    int FInterval = 1000;
};

// A persistent field of a table: a table with fields shows only them in its grids, under their
// DisplayLabel, currency fields as money.
class TField : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName WRITE SetFieldName)
    Q_PROPERTY(QString DisplayLabel READ DisplayLabel WRITE SetDisplayLabel)
    Q_PROPERTY(bool Currency READ Currency WRITE SetCurrency)

public:
    explicit TField(QObject *Owner) : QObject(Owner) {}

    QString FieldName() const { return FFieldName; }
    void SetFieldName(const QString &Value) { FFieldName = Value; }
    // The grid's column title; the field name when empty.
    QString DisplayLabel() const;
    void SetDisplayLabel(const QString &Value) { FDisplayLabel = Value; }
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }

private:
    QString FFieldName;
    QString FDisplayLabel;
    bool FCurrency = false;
};

class TFloatField : public TField {
    Q_OBJECT

public:
    using TField::TField;
};

class TCurrencyField : public TFloatField {
    Q_OBJECT

public:
    explicit TCurrencyField(QObject *Owner) : TFloatField(Owner) { SetCurrency(true); }
};

class TStringField : public TField {
    Q_OBJECT

public:
    using TField::TField;
};

// A table of a named database: "DBDEMOS" is the sample database, made on first use; any other
// name is a Qt SQL connection of that name. Active tables are opened once their page has been
// read (OpenIfActive), so that a table that cannot be opened fails the page's creation.
class TTable : public TVexTable, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE SetDatabaseName)
    Q_PROPERTY(QString TableName READ TableName WRITE SetTableName)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)

public:
    explicit TTable(QObject *Owner);

    QString DatabaseName() const { return FDatabaseName; }
    void SetDatabaseName(const QString &Value);
    // Opens or closes the table at once, except while loading: then it only notes the wish.
    void SetActive(bool Value);
    // Opens the table when its description asked for it; raises EVexError with the database's
    // reason when it cannot be opened.
    void OpenIfActive();
    // The persistent fields, in their order; empty when the table has none.
    QList<TField *> Fields() const;

private:
    void OpenOnDatabase();

    QString FDatabaseName;
    bool FWantActive = false;
};

class TDataSource : public TVexDataSource {
    Q_OBJECT
    Q_PROPERTY(Vex::TVexTable *DataSet READ DataSet WRITE SetDataSet)

public:
    using TVexDataSource::TVexDataSource;
};

// A grid on a data source: its current row is the table's current record. The columns are the
// table's persistent fields when it has some.
class TDBGrid : public TVexDBGrid, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Vex::TVexGraphicControl::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Vex::TVexDataSource *DataSource READ DataSource WRITE SetDataSource)
    Q_PROPERTY(TDBGridOptions Options READ Options WRITE SetOptions)

public:
    enum TDBGridOption {
        dgEditing = 1,
        dgTitles = 2,
        dgIndicator = 4,
        dgRowSelect = 8,
    };
    Q_DECLARE_FLAGS(TDBGridOptions, TDBGridOption)
    Q_FLAG(TDBGridOptions)

    explicit TDBGrid(QWidget *Parent);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int Value) { move(Value, y()); }
    void SetTop(int Value) { move(x(), Value); }
    void SetWidth(int Value);
    void SetHeight(int Value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TDBGridOptions Options() const { return FOptions; }
    void SetOptions(TDBGridOptions Value);

    void setModel(QAbstractItemModel *Model) override;

private:
    void ShowFields();

    TAlign FAlign = TVexGraphicControl::alNone;
    TDBGridOptions FOptions = {dgEditing, dgTitles, dgIndicator};
    QAbstractItemDelegate *FCurrencyDelegate;
};

} // namespace Vex
