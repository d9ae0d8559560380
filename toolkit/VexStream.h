#pragma once
// Control files: a control's published properties saved as text, plain or zlib-compressed, and
// read back; the keyword fix-up that marks embedded frames; the gauge faces stored as JPEG
// resources.

#include "platform/core/VexExport.h"
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace Vex {

enum TVexStreamFormat : int { sfText, sfCompressed };

// Control files larger than this are refused before they are read.
constexpr qint64 KMaxControlFileSize = 8 * 1024 * 1024;

// The format of a control file from its first bytes: a zlib stream starts with 0x78, the text
// form with a keyword.
VEX_EXPORT TVexStreamFormat DetectStreamFormat(const QByteArray &Head);

// Writes Control's published properties to FileName as Latin-1 text with CR LF line ends,
// zlib-compressed for sfCompressed. The file is replaced only once it is completely written;
// a file that cannot be written raises EVexError naming it and the reason.
VEX_EXPORT void SaveControlToFile(const QObject &Control, const QString &FileName,
                                  TVexStreamFormat Format);

// Reads FileName into Control. The whole file is checked first: an unreadable, corrupt or
// invalid file raises EVexError naming it (and the line, for a bad text) and leaves Control
// unchanged. Only a good file gets BeforeApply called, then its values set.
VEX_EXPORT void LoadControlFromFile(QObject &Control, const QString &FileName,
                                    TVexStreamFormat Format,
                                    const std::function<void()> &BeforeApply = {});

// As LoadControlFromFile, for the bytes of a control file already in memory; SourceName stands
// for the file name in error messages.
VEX_EXPORT void LoadControlFromData(QObject &Control, const QByteArray &Data,
                                    TVexStreamFormat Format, const QString &SourceName,
                                    const std::function<void()> &BeforeApply = {});

// Marks embedded frames the way the reader expects them: a block header (a line starting with
// "object" or "inline" after its indentation) that contains "Frame" is a frame header; its
// "object" becomes "inline", and while the character just before the header's keyword column
// is a space, the following headers starting with "object" become "inherited". Only the
// leading keyword of a header changes, never a property value. The last line is never examined
// as a header, and the line after the one that ends a frame's run is skipped.
VEX_EXPORT void FixFrameLines(QStringList &Lines);

// The face picture stored as the resource ":/faces/<Name>.jpg" (the numeric identifier is the
// name), or none when there is no such resource or it is not a decodable JPEG.
VEX_EXPORT std::unique_ptr<QImage> LoadJPEGResource(const QString &Name);

} // namespace Vex
