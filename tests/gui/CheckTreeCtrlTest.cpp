#include "controls/CCheckTreeCtrl.h"
#include "controls/CheckTreeMessages.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <random>

namespace tarvelo {
namespace {

struct Message {
    unsigned message;
    quintptr wParam;
    quintptr lParam;
};

class CheckTreeCtrlTest : public testing::Test {
protected:
    void SetUp() override {
        tree.resize(400, 300);
        tree.Configure();
        tree.SetPropagateChecks(true);
        QObject::connect(&tree, &CCheckTreeCtrl::TreeMessage, [this](unsigned m, quintptr w, quintptr l) {
            messages.push_back({m, w, l});
        });
        tree.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
    }
    QTreeWidgetItem* Add(const QString& text, QTreeWidgetItem* parent,
                         CCheckTreeCtrl::Insert where = CCheckTreeCtrl::Insert::Last) {
        const QIcon icon = tree.style()->standardIcon(QStyle::SP_FileIcon);
        return tree.AddItem(text, icon, icon, parent, where);
    }
    QPoint At(QTreeWidgetItem* item, int x) {
        const QRect rect = tree.visualItemRect(item);
        return {rect.left() + x, rect.center().y()};
    }
    static quintptr H(QTreeWidgetItem* item) { return reinterpret_cast<quintptr>(item); }

    CCheckTreeCtrl tree;
    std::vector<Message> messages;
};

TEST_F(CheckTreeCtrlTest, LeftClicksReportOnlyLabelAndCheckBox) {
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    QTreeWidgetItem* file = Add(QStringLiteral("file.txt"), root);
    tree.ExpandItem(root, TVE_EXPAND);
    QCoreApplication::processEvents();

    struct Case {
        int x;
        unsigned flags;
        bool reported;
    };
    const Case cases[] = {
        {CCheckTreeCtrl::kIconLeft + 4, TVHT_ONITEMICON, false},
        {CCheckTreeCtrl::kLabelLeft + 4, TVHT_ONITEMLABEL, true},
        {390 - tree.visualItemRect(file).left(), TVHT_ONITEMRIGHT, false},
        {-3, TVHT_ONITEMINDENT, false},
        {8, TVHT_ONITEMSTATEICON, true},
    };
    for (const Case& c : cases) {
        messages.clear();
        unsigned flags = 0;
        EXPECT_EQ(tree.HitTest(At(file, c.x), &flags), file);
        EXPECT_EQ(flags, c.flags) << c.x;
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, At(file, c.x));
        ASSERT_EQ(messages.size(), c.reported ? 1u : 0u) << c.x;
        if (c.reported) {
            EXPECT_EQ(messages[0].message, WM_TREEITEM_CLICKED);
            EXPECT_EQ(messages[0].wParam, c.flags);
            EXPECT_EQ(messages[0].lParam, H(file));
            EXPECT_EQ(tree.currentItem(), file);
        }
    }
    // The check-box click toggled the file before the message, propagated, and shows it hot.
    EXPECT_EQ(tree.GetItemCheck(file), 1);
    EXPECT_EQ(tree.GetItemCheck(root), 1);
    EXPECT_EQ(tree.PictureOf(file), CheckTreeModel::kChecked + CheckTreeModel::kHotOffset);
    // The next refresh of its picture drops the hot look.
    tree.SetItemCheck(file, false);
    EXPECT_EQ(tree.PictureOf(file), CheckTreeModel::kUnchecked);
}

TEST_F(CheckTreeCtrlTest, RightClicksReportAnywhereButOnAnEmptyTree) {
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, QPoint(50, 200));
    EXPECT_TRUE(messages.empty());
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, QPoint(50, 200));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, WM_TREEITEM_RCLICKED);
    EXPECT_EQ(messages[0].wParam, TVHT_NOWHERE);
    EXPECT_EQ(messages[0].lParam, 0u);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, At(root, CCheckTreeCtrl::kIconLeft + 2));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].wParam, TVHT_ONITEMICON);
    EXPECT_EQ(messages[1].lParam, H(root));
    EXPECT_EQ(tree.currentItem(), root);
}

TEST_F(CheckTreeCtrlTest, CollapseAllLeavesSubfoldersOfAFolderThatStartsWithAFile) {
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    QTreeWidgetItem* mixed = Add(QStringLiteral("mixed"), root);
    Add(QStringLiteral("file"), mixed);
    QTreeWidgetItem* inner = Add(QStringLiteral("inner"), mixed);
    Add(QStringLiteral("leaf"), inner);
    QTreeWidgetItem* folders = Add(QStringLiteral("folders"), root);
    QTreeWidgetItem* sub = Add(QStringLiteral("sub"), folders);
    Add(QStringLiteral("leaf"), sub);
    tree.ExpandAll();
    for (QTreeWidgetItem* item : {root, mixed, inner, folders, sub}) {
        EXPECT_TRUE(item->isExpanded());
        EXPECT_TRUE(tree.Data(item)->expanded && tree.Data(item)->expandedOnce);
    }
    tree.CollapseAll();
    EXPECT_FALSE(root->isExpanded());
    EXPECT_FALSE(mixed->isExpanded());
    EXPECT_TRUE(inner->isExpanded()); // its folder's first child is a file
    EXPECT_FALSE(folders->isExpanded());
    EXPECT_FALSE(sub->isExpanded());
    EXPECT_EQ(tree.currentItem(), root);
}

TEST_F(CheckTreeCtrlTest, KeysToggleMoveAndExpand) {
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    QTreeWidgetItem* folder = Add(QStringLiteral("folder"), root);
    QTreeWidgetItem* file = Add(QStringLiteral("file"), folder);
    tree.setFocus();
    tree.setCurrentItem(root);
    QTest::keyClick(&tree, Qt::Key_Space);
    EXPECT_EQ(tree.GetItemCheck(file), 1);
    QTest::keyClick(&tree, Qt::Key_Right);
    EXPECT_TRUE(root->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Down);
    EXPECT_EQ(tree.currentItem(), folder);
    QTest::keyClick(&tree, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_TRUE(folder->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_FALSE(folder->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Up);
    QTest::keyClick(&tree, Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_TRUE(folder->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Space);
    EXPECT_EQ(tree.GetItemCheck(file), 0);
}

TEST_F(CheckTreeCtrlTest, ChildLookupMatchesTheFirstMatchWalk) {
    std::mt19937 random(3);
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    std::vector<QTreeWidgetItem*> parents{root};
    for (int i = 0; i < 600; ++i) {
        QTreeWidgetItem* parent = parents[random() % parents.size()];
        const QString text = QStringLiteral("n%1").arg(random() % 12);
        const auto where = random() % 2 == 0 ? CCheckTreeCtrl::Insert::First : CCheckTreeCtrl::Insert::Last;
        QTreeWidgetItem* item = Add(text, parent, where);
        if (random() % 4 == 0)
            parents.push_back(item);
    }
    for (QTreeWidgetItem* parent : parents) {
        for (int n = 0; n < 13; ++n) {
            const QString text = QStringLiteral("n%1").arg(n);
            QTreeWidgetItem* walked = nullptr;
            for (int i = 0; i < parent->childCount() && walked == nullptr; ++i)
                if (parent->child(i)->text(0) == text)
                    walked = parent->child(i);
            EXPECT_EQ(tree.FindChild(parent, text), walked);
        }
    }
    EXPECT_EQ(tree.FindChild(nullptr, QStringLiteral("backup.bkf")), root);
}

TEST_F(CheckTreeCtrlTest, ItemDataStaysFreeAndRemoveAllForgetsEverything) {
    QTreeWidgetItem* root = Add(QStringLiteral("backup.bkf"), nullptr);
    QTreeWidgetItem* file = Add(QStringLiteral("file"), root);
    CCheckTreeCtrl::SetItemData(file, 42);
    tree.SetItemCheck(root, true);
    EXPECT_EQ(CCheckTreeCtrl::GetItemData(file), 42u);
    EXPECT_EQ(CCheckTreeCtrl::GetItemData(root), 0u);
    tree.RemoveAllItems();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.FindChild(nullptr, QStringLiteral("backup.bkf")), nullptr);
    QTreeWidgetItem* again = Add(QStringLiteral("other.bkf"), nullptr);
    EXPECT_EQ(tree.GetItemCheck(again), 0);
    EXPECT_EQ(tree.Data(again)->descendantCount, 0);
}

TEST_F(CheckTreeCtrlTest, TooltipOnlyForLabelsCutOffAtTheRightEdge) {
    QTreeWidgetItem* root = Add(QStringLiteral("short"), nullptr);
    const QString longText = QString(120, QLatin1Char('x'));
    QTreeWidgetItem* wide = Add(longText, nullptr);
    tree.viewport()->repaint(); // the label's right edge is recorded when it is drawn
    EXPECT_TRUE(tree.TooltipTextAt(At(root, CCheckTreeCtrl::kLabelLeft + 3)).isEmpty());
    EXPECT_EQ(tree.TooltipTextAt(At(wide, CCheckTreeCtrl::kLabelLeft + 3)), longText.left(78));
    EXPECT_EQ(tree.TooltipTextAt(At(wide, 4)), longText.left(78)); // on the check box too
}

} // namespace
} // namespace tarvelo
