// The view in the middle of the main window: the list of the entries under the tree item chosen last.
#pragma once

#include <QWidget>

class QTreeWidget;

namespace tarvelo::app {

class CCKestroTrelliqView : public QWidget {
    Q_OBJECT
public:
    explicit CCKestroTrelliqView(QWidget* parent = nullptr);
    [[nodiscard]] QTreeWidget* FileList() const { return list_; }

private:
    QTreeWidget* list_;
};

} // namespace tarvelo::app
