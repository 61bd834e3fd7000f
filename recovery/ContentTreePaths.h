// Adds a found file's display path to the content tree: its folders and the file itself.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

#include <functional>

class QTreeWidgetItem;

namespace tarvelo {

class CCheckTreeCtrl;

// Small icons for the tree's items, looked up once per extension.
class TreeIcons {
public:
    using Lookup = std::function<QIcon(const QString& name)>;
    TreeIcons(Lookup forName, QIcon folder) : forName_(std::move(forName)), folder_(std::move(folder)) {}
    [[nodiscard]] QIcon ForFileName(const QString& name);
    [[nodiscard]] const QIcon& Folder() const { return folder_; }

private:
    Lookup forName_;
    QIcon folder_;
    QHash<QString, QIcon> byExtension_;
};

// Below the tree's first root item: one item per backslash-separated component, the last one a file
// (unless the path ends with a backslash). A file goes first among its siblings and carries the
// record number; a folder goes last. A component that exists already is reused, so a second record
// with the same path adds nothing. A path without a backslash adds nothing. Returns the file item, or
// nullptr when none was added.
QTreeWidgetItem* AddPathToTree(CCheckTreeCtrl& tree, const QString& path, quintptr recordNumber,
                               TreeIcons& icons);

} // namespace tarvelo
