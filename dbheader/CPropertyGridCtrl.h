// A read-only property grid: groups of caption/value rows, always expanded, no column header, and a
// description area below that shows the selected row's caption and description.
#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>

namespace tarvelo {

class CPropertyGridCtrl : public QWidget {
public:
    explicit CPropertyGridCtrl(QWidget* parent = nullptr);

    void RemoveAll();
    QTreeWidgetItem* AddGroup(const QString& caption);
    QTreeWidgetItem* AddRow(QTreeWidgetItem* group, const QString& caption, const QString& value,
                            const QString& description);
    void ExpandAllGroups() { tree_->expandAll(); }
    // A new font from the application's regular font with the menu font's size, weight and italic.
    void RefreshFont();

    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }
    [[nodiscard]] QString DescriptionText() const { return description_->text(); }
    // Every row as "group/caption=value" lines, for tests and the screenshot check.
    [[nodiscard]] QStringList Rows() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowDescription(QTreeWidgetItem* item);

    QTreeWidget* tree_;
    QLabel* description_;
};

} // namespace tarvelo
