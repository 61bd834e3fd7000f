#include "platform/ShellIcons.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

namespace tarvelo::platform {

QIcon SmallIconForName(const QString& name) {
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    const QIcon generic = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    if (!type.isValid()) {
        return generic;
    }
    QIcon themed = QIcon::fromTheme(type.iconName());
    if (themed.isNull()) {
        themed = QIcon::fromTheme(type.genericIconName());
    }
    return themed.isNull() ? generic : themed;
}

QIcon FolderIcon() {
    const QIcon themed = QIcon::fromTheme(QStringLiteral("folder"));
    return themed.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : themed;
}

} // namespace tarvelo::platform
