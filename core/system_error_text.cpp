#include "system_error_text.h"

#include <cerrno>
#include <cstring>

namespace kantrix {

namespace {

// Each text goes on a sentence after a colon ("kann nicht geschrieben werden: ist ein Ordner"):
// in lower case, nouns apart.
constexpr SystemErrorText texts[] = {
    {ENOENT, "Datei oder Ordner nicht gefunden"},
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Vorgang nicht erlaubt"},
    {EROFS, "Dateisystem nur lesbar"},
    {EISDIR, "ist ein Ordner"},
    {ENOTDIR, "ein Teil des Pfades ist kein Ordner"},
    {ENOSPC, "kein Platz mehr auf dem Gerät"},
    {EDQUOT, "Speicherkontingent überschritten"},
    {EFBIG, "Datei zu groß"},
    {EEXIST, "Datei besteht bereits"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {EIO, "Ein-/Ausgabefehler"},
    {ELOOP, "zu viele Ebenen symbolischer Verknüpfungen"},
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien im System"},
    {ETXTBSY, "Programmdatei in Benutzung"},
    {EBUSY, "Gerät oder Ressource belegt"},
    {EINVAL, "ungültiges Argument"},
};

} // namespace

std::span<const SystemErrorText> germanSystemErrors()
{
    return texts;
}

std::string systemErrorText(int error)
{
    for (const SystemErrorText& known : texts)
        if (known.error == error)
            return known.text;
    return std::strerror(error);
}

} // namespace kantrix
