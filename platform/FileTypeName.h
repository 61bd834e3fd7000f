// The type name the file manager shows for a file name, found by its extension without touching the disk.
#pragma once

#include <QString>

namespace tarvelo::platform {

// Windows: the shell's type name. Elsewhere: our names for the Exchange file kinds (edb, stm, log,
// chk, pat), then the MIME database's description for the extension, then "<EXT> File" for an unknown
// extension and "File" for a name without one. The extension is the text after the last full stop of
// the name's last component (after the last backslash or slash).
QString FileTypeNameFor(const QString& name);

} // namespace tarvelo::platform
