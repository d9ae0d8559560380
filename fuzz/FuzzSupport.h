#pragma once
// What every fuzz target shares: a headless application for the widgets, the library's classes
// registered, checks that stop the run with a message, and a reader for inputs made of fixed
// fields followed by free text.

#include "platform/core/Component.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>

namespace Vex {

// The instruments by the short names their fuzz targets and corpora carry.
struct TInstrumentTarget {
    const char *ClassName;
    const char *Name;
};
inline constexpr TInstrumentTarget KInstrumentTargets[] = {
    {"TVexButton", "button"}, {"TVexCylinderGauge", "drum"}, {"TVexDBLabel", "label"},
    {"TVexGauge", "gauge"},   {"TVexKnob", "knob"},          {"TVexLCD", "lcd"},
    {"TVexMatrix", "matrix"}, {"TVexSlider", "slider"},
};

// The page a description describes: a plain widget that holds the controls.
class TFuzzPage : public QWidget, public TVexComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)

public:
    TFuzzPage() { resize(640, 480); }
    QString Caption;
};

// Starts the offscreen application once, registers the library's classes and makes every error
// shown to the user (from a frame, say) a finding.
void StartFuzzApplication();

// Stops the run with What when Condition fails: libFuzzer keeps the input that did it.
void Expect(bool Condition, const char *What);
[[noreturn]] void Fail(const QString &What);
// Stops the run with What and the first line that differs when two control-file texts differ.
void ExpectSameText(const QString &Expected, const QString &Actual, const char *What);

// A component of a registered class owned by Owner; fails when the class cannot be made.
// Every class a control file or page description may name is registered: the instruments and
// the texture generator, which is no widget (RegisteredComponentClasses).
QObject *MakeComponent(const QString &ClassName, QObject *Owner);

// Whether a control file's text sizes a control beyond KMaxFuzzSide pixels a side. Drawing
// such a control is only slower (a bitmap holds at most 16384 pixels a side, 64 Mi in all), and
// under the sanitizers slow enough to starve a fuzzing run, so targets that draw skip such
// inputs. Positions are not sizes and stay free.
inline constexpr int KMaxFuzzSide = 1024;
bool SizesBeyondFuzzLimit(const QString &Text);

// The class named by the header of a control file's text ("object Name: Class"), or empty.
QString HeaderClassName(const QString &Text);

// The control-file text of Data, decompressed when it starts as a zlib stream does; empty when
// it cannot be decompressed.
QString ControlText(const QByteArray &Data);

// Reads a control file's text into a component, as ReadComponentText or
// ReadComponentDescription do.
using TTextReading = std::function<void(QObject &Root, const QString &Text)>;

// What a component read from a file must do with its own saved text: it saves, and reads back.
// After one such reading (in which a ready control may settle, as a gauge squares itself to
// its face) the saved text must reproduce itself exactly.
void CheckSavedTextReadsBack(QObject &Root, const TTextReading &Read);

// Paints a control into an image, as a window would, and advances the shared frame timer.
void PaintAndTick(QWidget &Control, int Frames);

// Reads fixed-size values from the front of a fuzz input; the rest is free text. Fields past
// the end read as zero, so every input is usable.
class TFuzzInput {
public:
    TFuzzInput(const uint8_t *Data, size_t Size) : FData(Data), FSize(Size) {}

    template <typename T> T Take() {
        static_assert(std::is_trivially_copyable_v<T>);
        unsigned char Bytes[sizeof(T)] = {};
        const size_t Count = std::min(sizeof(T), FSize - FPos);
        if (Count > 0)
            std::memcpy(Bytes, FData + FPos, Count);
        FPos += Count;
        T Value;
        std::memcpy(&Value, Bytes, sizeof(T));
        return Value;
    }
    QByteArray Rest() const {
        return QByteArray(reinterpret_cast<const char *>(FData + FPos), qsizetype(FSize - FPos));
    }

private:
    const uint8_t *FData;
    size_t FSize;
    size_t FPos = 0;
};

// Appends Value as TFuzzInput::Take reads it back: for making seed inputs.
template <typename T> void PutField(QByteArray &Out, T Value) {
    static_assert(std::is_trivially_copyable_v<T>);
    Out.append(reinterpret_cast<const char *>(&Value), qsizetype(sizeof(T)));
}

} // namespace Vex
