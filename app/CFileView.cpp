#include "app/CFileView.h"

#include "app/res/Resource.h"
#include "controls/CCheckTreeCtrl.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvelo::app {

namespace {

// Holds the tree inset by one pixel and draws a frame in the button-shadow colour around it.
class FramedHolder : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

CFileView::CFileView(QWidget* parent)
    : DockPane(QStringLiteral("Exchange Backup file"), ID_VIEW_FILEVIEW, QSize(200, 200), parent) {
    setObjectName(QStringLiteral("fileViewPane"));
    auto* holder = new FramedHolder(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(1, 1, 1, 1);
    // The check-box tree: a check carries down to the subtree and up through the ancestors.
    tree_ = new CCheckTreeCtrl(holder);
    tree_->Configure();
    tree_->SetPropagateChecks(true);
    tree_->setObjectName(QStringLiteral("contentTree"));
    tree_->setProperty("controlId", IDC_CONTENT_TREE);
    tree_->setHeaderHidden(true);
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setRootIsDecorated(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setContextMenuPolicy(Qt::NoContextMenu);
    layout->addWidget(tree_);
    holder->setFocusProxy(tree_);
    setFocusProxy(tree_);
    setWidget(holder);
}

} // namespace tarvelo::app
