#include "dbheader/PropertiesContent.h"

#include "dbheader/CPropertyGridCtrl.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTemporaryDir>

#include <fstream>

namespace tarvelo {
namespace {

TEST(PropertiesContent, EmptyLayoutThenBackupFileThenDatabaseHeader) {
    CPropertyGridCtrl grid;
    ShowEmptyBackupFileInfo(grid);
    QTreeWidget* tree = grid.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Exchange Backup File Information"));
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
    EXPECT_TRUE(tree->header()->isHidden());
    for (const QString& row : grid.Rows())
        EXPECT_TRUE(row.endsWith(QLatin1Char('='))) << row.toStdString(); // every value empty
    QTreeWidgetItem* lastModified = tree->topLevelItem(1)->child(2);
    tree->setCurrentItem(lastModified);
    EXPECT_EQ(grid.DescriptionText(),
              QStringLiteral("Last Modified Date:\nLast Modified date of selected File"));
    EXPECT_FALSE(lastModified->flags().testFlag(Qt::ItemIsEditable));

    BackupFileTexts texts{u"C:\\b\\demo.bkf", u"12(KB)", u"01/02/2024  03:04:05", u"a", u"b"};
    ShowBackupFileInfo(grid, texts);
    EXPECT_EQ(grid.Rows().first(),
              QStringLiteral("Exchange Backup File Information/File Type:=Exchange Database file"));
    EXPECT_TRUE(grid.Rows().contains(QStringLiteral("File Details/File Size(Bytes):=12(KB)")));
    tree->setCurrentItem(tree->topLevelItem(1)->child(2));
    EXPECT_EQ(grid.DescriptionText(),
              QStringLiteral("Last Modified Date:\nLast Modified date time of selected File"));

    // A short or missing copy reads as zeros: the layout is complete all the same.
    QTemporaryDir temp;
    const QString copy = temp.filePath(QStringLiteral("priv1.edb"));
    std::ofstream(copy.toStdString()) << "short";
    ShowDatabaseHeader(grid, copy);
    ASSERT_EQ(tree->topLevelItemCount(), 8);
    int rows = 0;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        rows += tree->topLevelItem(g)->childCount();
        EXPECT_TRUE(tree->topLevelItem(g)->isExpanded());
    }
    EXPECT_EQ(rows, 72);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(1), QStringLiteral("priv1.edb"));
    EXPECT_EQ(tree->topLevelItem(7)->text(0), QStringLiteral("Previous differential backup information"));

    // Back to the backup file layout: the eight groups are replaced as a whole.
    ShowBackupFileInfo(grid, texts);
    EXPECT_EQ(tree->topLevelItemCount(), 2);
}

} // namespace
} // namespace tarvelo
