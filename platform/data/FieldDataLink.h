#pragma once
// Binds a control to one field of the table behind a data source. The control hears of record
// moves and field changes through OnDataChange, and of the source's destruction through
// OnSourceRemoved; an unbound link (no source, a closed table, or a field the table lacks)
// reports nothing.

#include "platform/core/VexExport.h"
#include "platform/data/VexDataSource.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>

namespace Vex {

class VEX_EXPORT TFieldDataLink : public QObject {
    Q_OBJECT

public:
    explicit TFieldDataLink(QObject *Owner = nullptr);

    TVexDataSource *DataSource() const { return FDataSource; }
    void SetDataSource(TVexDataSource *Value);
    QString FieldName() const { return FFieldName; }
    void SetFieldName(const QString &Value);

    // Bound to an open table that has the field.
    bool HasField() const;
    float AsFloat() const;
    QString AsString() const;
    // Asks the table to enter edit mode; false (with EditRefusal()) when it refuses.
    bool Edit();
    QString EditRefusal() const;
    // Writes the field of the current record at once; raises EVexError when the database
    // refuses, and the record keeps its last good value.
    void SetAsFloat(float Value);

    std::function<void(TFieldDataLink *Link)> OnDataChange;
    std::function<void()> OnSourceRemoved;

private:
    void SourceChanged();
    void Notify();

    QPointer<TVexDataSource> FDataSource;
    QString FFieldName;
};

// Asks a control for its field data link (the platform's data-link query); a data-aware control
// answers by setting Link.
class VEX_EXPORT TGetDataLinkEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = QEvent::Type(0xB02D);
    TGetDataLinkEvent() : QEvent(EventType) {}
    TFieldDataLink *Link = nullptr;
};

} // namespace Vex
