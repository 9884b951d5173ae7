#pragma once

// A file written whole or not at all. Header-only, as the profile windows' module uses it too.

#include "file_error_text.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace kantrix {

// Writes all of `bytes` into `file` and flushes them. The system cuts a write short where the
// disk is full or the file size limit is reached, and says why only when a write gets nothing
// done; Qt then gives no reason either. So what is left is written again until it is done, or a
// write fails outright and names the cause.
inline bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    // A small file waits in the write buffer whole, and QSaveFile's commit does not notice a
    // write that fails only as the buffer is flushed, putting a short file in place.
    for (qint64 left = file.bytesToWrite(); !file.flush(); left = file.bytesToWrite())
        if (file.bytesToWrite() >= left)
            return false;
    return true;
}

// Writes `bytes` beside `path` and puts them in its place only when complete; false, with the
// reason in `error`, if any part failed, the old file then unchanged.
inline bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeAll(file, bytes) && file.commit())
        return true;
    error = fileErrorText(file.errorString());
    return false;
}

} // namespace kantrix
