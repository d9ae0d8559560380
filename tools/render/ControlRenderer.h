#pragma once
// Lays controls out in a grid on a form, lets their animations settle and saves the form as a
// picture: the command-line way to look at instruments and compare them.

#include "toolkit/VexStream.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace Vex {

class TVexGraphicControl;

class TControlRenderer {
public:
    explicit TControlRenderer(int Columns);

    // Creates the control that a file describes (by the class named in its header), reads
    // the file into it and places it in the next cell. Raises EVexError for a bad file or an
    // unknown class.
    TVexGraphicControl *AddFile(const QString &FileName);
    // Places a control made by Make, with a caption under it.
    void Add(const std::function<TVexGraphicControl *(QWidget *Parent)> &Make,
             const QString &Caption);
    // Settles the animations (Frames ticks of the frame timer) and grabs the form.
    QImage Render(int Frames);

    static QString ClassOfFile(const QString &FileName);

private:
    void Place(TVexGraphicControl *Control, const QString &Caption);

    std::unique_ptr<QWidget> FForm;
    int FColumns;
    int FCount = 0;
    int FRowTop = 8;
    int FRowHeight = 0;
    int FX = 8;
};

} // namespace Vex
