#include "dbheader/PropertiesContent.h"

#include "dbheader/CPropertyGridCtrl.h"
#include "dbheader/HeaderRows.h"
#include "dbheader/PathText.h"
#include "dbheader/ReadDatabaseHeader.h"
#include "reader/TextEncoding.h"

#include <QFileInfo>

namespace tarvelo {

namespace {
QString Ascii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

void ShowPropertyLayout(CPropertyGridCtrl& grid, const PropertyLayout& layout) {
    grid.Tree()->setUpdatesEnabled(false);
    grid.RemoveAll();
    for (const PropertyGroup& group : layout) {
        QTreeWidgetItem* item = grid.AddGroup(Ascii(group.caption));
        for (const PropertyRow& row : group.rows)
            grid.AddRow(item, Ascii(row.caption), QString::fromStdU16String(row.value),
                        Ascii(row.description));
    }
    grid.ExpandAllGroups();
    grid.Tree()->setUpdatesEnabled(true);
}

void ShowEmptyBackupFileInfo(CPropertyGridCtrl& grid) {
    ShowPropertyLayout(grid, BuildEmptyBackupFileLayout());
}

void ShowBackupFileInfo(CPropertyGridCtrl& grid, const BackupFileTexts& texts) {
    ShowPropertyLayout(grid, BuildBackupFileLayout(texts));
}

void ShowDatabaseHeader(CPropertyGridCtrl& grid, const QString& path) {
    const std::u16string path16 = path.toStdU16String();
    const DatabaseHeaderResult result = ReadDatabaseHeader(PathFromUtf16(path16));
    // The copy's path uses the system's separator; a backslash path keeps its own rule.
    std::u16string name = FileNameOfPath(path16);
    if (!path.contains(QLatin1Char('\\')))
        name = QFileInfo(path).fileName().toStdU16String();
    ShowPropertyLayout(grid, BuildDatabaseLayout(name, result.header));
}

} // namespace tarvelo
