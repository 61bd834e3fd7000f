#include "recovery/ContentTreePaths.h"

#include "controls/CCheckTreeCtrl.h"
#include "controls/CheckTreeMessages.h"

namespace tarvelo {

QIcon TreeIcons::ForFileName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    auto found = byExtension_.constFind(extension);
    if (found != byExtension_.constEnd())
        return *found;
    QIcon icon = forName_ ? forName_(name) : QIcon();
    byExtension_.insert(extension, icon);
    return icon;
}

QTreeWidgetItem* AddPathToTree(CCheckTreeCtrl& tree, const QString& path, quintptr recordNumber,
                               TreeIcons& icons) {
    QTreeWidgetItem* parent = tree.topLevelItem(0);
    if (parent == nullptr || !path.contains(QLatin1Char('\\')))
        return nullptr;
    const bool endsWithSeparator = path.endsWith(QLatin1Char('\\'));
    const QList<QStringView> components = QStringView(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QTreeWidgetItem* added = nullptr;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString component = components[i].toString();
        if (QTreeWidgetItem* existing = tree.FindChild(parent, component)) {
            parent = existing;
            continue;
        }
        const bool isFile = i == components.size() - 1 && !endsWithSeparator;
        if (isFile) {
            const QIcon icon = icons.ForFileName(component);
            added = tree.AddItem(component, icon, icon, parent, CCheckTreeCtrl::Insert::First);
            CCheckTreeCtrl::SetItemData(added, recordNumber);
            tree.ExpandItem(parent, TVE_EXPAND);
        } else {
            QTreeWidgetItem* folder =
                tree.AddItem(component, icons.Folder(), icons.Folder(), parent, CCheckTreeCtrl::Insert::Last);
            tree.ExpandItem(parent, TVE_EXPAND);
            if (folder == nullptr)
                return added;
            parent = folder;
        }
    }
    return added;
}

} // namespace tarvelo
