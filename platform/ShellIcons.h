// Small (16 x 16) icons the file manager would show for a file name and for a folder.
#pragma once

#include <QIcon>
#include <QString>

namespace tarvelo::platform {

// By the name's extension, without touching the disk: the icon theme's icon for the MIME type when the
// theme has one, else the style's generic file icon.
QIcon SmallIconForName(const QString& name);
QIcon FolderIcon();

} // namespace tarvelo::platform
