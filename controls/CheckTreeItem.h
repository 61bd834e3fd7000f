// A tree widget item that carries its check record handle, the application's item data (a record
// number) and, once it has children, a lookup of them by label so that adding a path does not walk
// all siblings.
#pragma once

#include "controls/CheckTreeModel.h"

#include <QHash>
#include <QString>
#include <QTreeWidgetItem>

#include <memory>

namespace tarvelo {

class CheckTreeItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 71;

    explicit CheckTreeItem(CheckTreeId id) : QTreeWidgetItem(kType), id_(id) {}

    [[nodiscard]] CheckTreeId Id() const { return id_; }
    [[nodiscard]] quintptr ItemData() const { return itemData_; }
    void SetItemData(quintptr value) { itemData_ = value; }

    // Children by label, made when the first child is added.
    QHash<QString, QTreeWidgetItem*>* Children() { return children_.get(); }
    QHash<QString, QTreeWidgetItem*>& MakeChildren() {
        if (!children_)
            children_ = std::make_unique<QHash<QString, QTreeWidgetItem*>>();
        return *children_;
    }

    static CheckTreeItem* From(QTreeWidgetItem* item) {
        return item != nullptr && item->type() == kType ? static_cast<CheckTreeItem*>(item) : nullptr;
    }

private:
    CheckTreeId id_;
    quintptr itemData_ = 0;
    std::unique_ptr<QHash<QString, QTreeWidgetItem*>> children_;
};

} // namespace tarvelo
