#pragma once

// A file written whole or not at all. Header-only, as the profile windows' module uses it too.

#include "file_error_text.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace kantrix {

// Writes `bytes` beside `path` and puts them in its place only when complete; false, with the
// reason in `error`, if any part failed, the old file then unchanged. The write buffer is flushed
// before the commit: a small file waits in it whole, and QSaveFile's commit does not notice a
// write that fails only as the buffer is flushed, putting a short file in place.
inline bool writeWholeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return true;
    error = fileErrorText(file.errorString());
    return false;
}

} // namespace kantrix
