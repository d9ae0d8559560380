#pragma once
// The data-aware link of the chain: a control bound to one field of a table through a data
// source, told through DataChange whenever the bound field's value may have changed. What it
// does with the value is the descendant's business.

#include "framework/VexVBSGraphicControl.h"
#include "platform/core/VexExport.h"
#include "platform/data/FieldDataLink.h"

#include <memory>

namespace Vex {

class VEX_EXPORT TVexVBSGraphicControlDA : public TVexVBSGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    // A reference to another component of the form: kept by the page that makes the binding,
    // not stored in the control's own file.
    Q_PROPERTY(TVexDataSource *DataSource READ DataSource WRITE SetDataSource STORED false)

public:
    explicit TVexVBSGraphicControlDA(QWidget *Parent = nullptr);
    ~TVexVBSGraphicControlDA() override;

    QString DataField() const { return FDataLink->FieldName(); }
    void SetDataField(const QString &Value) { FDataLink->SetFieldName(Value); }
    TVexDataSource *DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TVexDataSource *Value);

    TFieldDataLink &DataLink() const { return *FDataLink; }

protected:
    // The bound field's value may have changed; Sender is the data link.
    virtual void DataChange(QObject *Sender);
    bool event(QEvent *Event) override;

private:
    std::unique_ptr<TFieldDataLink> FDataLink;
};

} // namespace Vex
