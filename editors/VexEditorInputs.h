#pragma once
// Small inputs and rules the editor pages share: the clickable panel that shows a colour or a
// font, the number rules of the edit boxes, the key filter some of them have and the fields a
// data-aware control can be bound to.

#include "platform/core/VexExport.h"
#include "platform/graphics/Colors.h"

#include <QFrame>
#include <QString>
#include <optional>
#include <vector>

class QLineEdit;

namespace Vex {

class TVexDataSource;

// A raised panel filled with Color, with an optional centred Caption; a click on it (press and
// release inside) raises Click. Colour panels show the colour they edit, font panels the font.
class VEX_EXPORT TVexEditorPanel : public QFrame {
    Q_OBJECT

public:
    explicit TVexEditorPanel(QWidget *Parent = nullptr);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &Value);

signals:
    void Click(TVexEditorPanel *Sender);

protected:
    void paintEvent(QPaintEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    TColor FColor = clBtnFace;
    QString FCaption;
    bool FPressed = false;
};

// The number Text stands for when the whole of it is one: an optional sign, digits with at
// most one decimal separator (the one FormatFloat writes), an optional exponent ("1e3",
// "-2.5E-2"); blanks around it are allowed. Nothing for anything else ("", "-", "1e", "abc",
// "1,5" while the separator is "."), and for numbers beyond a float's range.
VEX_EXPORT std::optional<float> TextToFloat(const QString &Text);

// The shortest text that reads back as Value, in FloatToStr's form: "0.1" for the float
// nearest to 0.1, where FloatToStr of the same value widened to a double writes
// "0.100000001490116".
VEX_EXPORT QString FloatText(float Value);

// Lets only the characters in Allowed be typed into Edit; editing keys (Backspace, Delete,
// the arrows, shortcuts) keep working. Text set by code or pasted is not filtered.
VEX_EXPORT void AllowOnlyCharacters(QLineEdit *Edit, const QString &Allowed);

// A field of a table, and the name of its type as the field lists show it.
struct TFieldDescription {
    QString Name;
    QString Type;
    friend bool operator==(const TFieldDescription &, const TFieldDescription &) = default;
};

// The fields of the table behind Source that hold numbers a control can show, in the table's
// order: small integers ("ftSmallint"), integers ("ftInteger"), unsigned words ("ftWord") and
// floats ("ftFloat"). None without a source, a table or a readable database.
VEX_EXPORT std::vector<TFieldDescription> NumericFields(const TVexDataSource *Source);

} // namespace Vex
