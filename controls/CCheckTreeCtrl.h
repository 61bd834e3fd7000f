// The content tree of the left-hand pane: a tree widget whose items carry three-state check boxes.
// Checking an item carries the change down to its subtree and up through its ancestors; the counts
// live in a CheckTreeModel. Left and right clicks are reported as WM_TREEITEM_CLICKED and
// WM_TREEITEM_RCLICKED through the TreeMessage signal, which the pane forwards to the main window.
#pragma once

#include "controls/CheckTreeItem.h"
#include "controls/CheckTreeModel.h"

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

#include <array>

namespace tarvelo {

class CCheckTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    enum class Insert { First, Last, After };

    // Geometry of one row: check box, icon, label.
    static constexpr int kCheckImageSize = 16;
    static constexpr int kIconLeft = 18;
    static constexpr int kIconSize = 16;
    static constexpr int kLabelLeft = 37;

    explicit CCheckTreeCtrl(QWidget* parent = nullptr);
    ~CCheckTreeCtrl() override;

    void Configure();
    void SetPropagateChecks(bool on) { model_.propagateChecks = on; }

    // Inserts an item under parent (nullptr: at the root), first, last or after a sibling.
    QTreeWidgetItem* AddItem(const QString& text, const QIcon& image, const QIcon& selectedImage,
                             QTreeWidgetItem* parent, Insert where, QTreeWidgetItem* after = nullptr);
    void SetItemCheck(QTreeWidgetItem* item, bool value);
    [[nodiscard]] int GetItemCheck(QTreeWidgetItem* item) const;
    void ExpandItem(QTreeWidgetItem* item, unsigned action);
    void ExpandAll();
    void CollapseAll();
    void RemoveAllItems();
    void SelectWithNotice(QTreeWidgetItem* item);

    // The application's own value of an item (a record number); the control never uses it.
    [[nodiscard]] static quintptr GetItemData(const QTreeWidgetItem* item);
    static void SetItemData(QTreeWidgetItem* item, quintptr value);
    // The first child of parent (nullptr: the root) whose label equals text exactly, without walking
    // the siblings.
    [[nodiscard]] QTreeWidgetItem* FindChild(QTreeWidgetItem* parent, const QString& text) const;

    // Hit test of a viewport position: the item there and the TVHT_ flags.
    QTreeWidgetItem* HitTest(const QPoint& viewportPos, unsigned* flags) const;

    // Read access for painting and tests.
    [[nodiscard]] const CHECKTREEDATA* Data(const QTreeWidgetItem* item) const;
    [[nodiscard]] CHECKTREEDATA* Data(const QTreeWidgetItem* item);
    [[nodiscard]] int PictureOf(const QTreeWidgetItem* item) const; // with the hot bit when hot
    [[nodiscard]] const QPixmap& CheckPicture(int index) const;
    [[nodiscard]] QTreeWidgetItem* HotItem() const { return hotItem_; }
    [[nodiscard]] QTreeWidgetItem* DropHighlight() const { return dropHighlight_; }
    [[nodiscard]] bool IsClearing() const { return model_.clearing; }
    [[nodiscard]] QString TooltipTextAt(const QPoint& viewportPos) const;

Q_SIGNALS:
    // A message for the main window (WM_TREEITEM_CLICKED, WM_TREEITEM_RCLICKED).
    void TreeMessage(unsigned message, quintptr wParam, quintptr lParam);
    // The notices the control gives its parent; nothing in this system acts on them.
    void CheckboxClicked(QTreeWidgetItem* item, bool value);
    void ItemExpandedChanged(QTreeWidgetItem* item, bool expanded);
    void SelectionNotice(QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildPictures();
    void ExpandSubtree(QTreeWidgetItem* item);
    void CollapseSubtree(QTreeWidgetItem* item);
    void ToggleCheck(QTreeWidgetItem* item);
    void RefreshPictures();
    static quintptr Handle(QTreeWidgetItem* item) { return reinterpret_cast<quintptr>(item); }

    CheckTreeModel model_;
    std::vector<QTreeWidgetItem*> itemsById_{nullptr};
    QHash<QString, QTreeWidgetItem*> rootByText_;
    std::array<QPixmap, 17> pictures_;
    void SetHot(QTreeWidgetItem* item);

    QTreeWidgetItem* hotItem_ = nullptr;
    CheckTreeId hotId_ = kNoCheckTreeItem;
    QTreeWidgetItem* dropHighlight_ = nullptr;
    bool selectFollowsCheck_ = false;
    bool toolTips_ = false;
    bool repaintPending_ = false;
};

} // namespace tarvelo
