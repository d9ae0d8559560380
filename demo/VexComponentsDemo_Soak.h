#pragma once
// The soak run: the demonstration left running as a user leaves it on a screen, for watching
// its memory over hours. The main window tours every page again and again with the real event
// loop, the frame timer at its 50 frames a second and the pages' own timers; each page with an
// editor has it opened over the page, worked a little (every tab shown, a slider on each moved
// and put back) and closed with its "Close" button. After every complete tour the process's
// resident memory is written as one line: "<tour> <seconds since the start> <KiB>".

#include <QString>
#include <QtGlobal>

class QTextStream;

namespace Vex {

class TfrmMain;

struct TSoakOptions {
    // Tours run until this many seconds have passed since the start; the first always runs.
    int Seconds = 0;
    // How long each page is left running, and how long its editor is worked, in milliseconds.
    int PageMilliseconds = 1000;
};

// The first line of a report, naming its columns.
inline const char *const SoakReportHeader = "# tour seconds rss-KiB";

// This process's resident memory in KiB; -1 when the system does not tell.
qint64 ResidentKiB();

// Shows Main and tours it as Options says, writing the header and then one line per tour to
// Report as each tour ends (flushed, so a report stays readable while the run goes on). Modal
// editors are run through the page's modal runner, which is put back afterwards. Returns the
// number of tours.
int RunSoak(TfrmMain &Main, const TSoakOptions &Options, QTextStream &Report);

} // namespace Vex
