#pragma once

// Qt's reason for a file that failed, in German. Qt gives no error number, only a text: the
// system's in the current locale, or for a few causes words of its own, in English or in its
// German translation. A text that names a known cause gives way to the core's German one
// (system_error_text.h); any other stays as Qt gave it. Header-only, as the profile windows'
// module uses it too.

#include "system_error_text.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstring>

namespace kantrix {

inline QString fileErrorText(const QString& reason)
{
    struct QtWords
    {
        int error;
        const char* context;
        const char* text;
    };
    static constexpr QtWords qtWords[] = {
        {ENOENT, "QIODevice", "No such file or directory"},
        {EACCES, "QIODevice", "Permission denied"},
        {EMFILE, "QIODevice", "Too many open files"},
        {ENOSPC, "QIODevice", "No space left on device"},
        {EISDIR, "QSaveFile", "Filename refers to a directory"},
        {EISDIR, "QFSFileEngine", "file to open is a directory"},
    };
    for (const QtWords& words : qtWords)
        if (reason == QLatin1String(words.text) ||
            reason == QCoreApplication::translate(words.context, words.text))
            return QString::fromStdString(systemErrorText(words.error));
    for (const SystemErrorText& known : germanSystemErrors())
        if (reason == QString::fromLocal8Bit(std::strerror(known.error)))
            return QString::fromUtf8(known.text);
    return reason;
}

} // namespace kantrix
