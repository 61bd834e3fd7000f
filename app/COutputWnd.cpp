#include "app/COutputWnd.h"

#include "app/res/Resource.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

namespace tarvelo::app {

COutputWnd::COutputWnd(QWidget* parent)
    : DockPane(QStringLiteral("Exchange Backup file Status"), ID_VIEW_OUTPUTWND, QSize(100, 100), parent) {
    setObjectName(QStringLiteral("outputPane"));
    const QFont font = QApplication::font();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("outputTabs"));
    tabs_->setProperty("controlId", IDC_OUTPUT_TABS);
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    tabs_->setContextMenuPolicy(Qt::PreventContextMenu);

    // A report list without header: one column, 1500 pixels wide, so long lines scroll sideways.
    log_ = new QTreeWidget(tabs_);
    log_->setObjectName(QStringLiteral("logList"));
    log_->setProperty("controlId", IDC_LOG_LIST);
    log_->setColumnCount(1);
    log_->setHeaderLabels({QStringLiteral("rtrt")});
    log_->setHeaderHidden(true);
    log_->header()->setStretchLastSection(false);
    log_->setColumnWidth(0, 1500);
    log_->setRootIsDecorated(false);
    log_->setSelectionMode(QAbstractItemView::SingleSelection);
    log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    log_->setFont(font);
    log_->setFrameShape(QFrame::NoFrame);

    viewer_ = new QLabel(QStringLiteral("Select file to see preview....."), tabs_);
    viewer_->setObjectName(QStringLiteral("fileViewer"));
    viewer_->setProperty("controlId", IDC_FILE_VIEWER);
    viewer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    viewer_->setMargin(4);
    viewer_->setFont(font);
    viewer_->setAutoFillBackground(true);

    tabs_->addTab(log_, QStringLiteral("Log Window"));     // string 301
    tabs_->addTab(viewer_, QStringLiteral("File Viewer")); // string 300
    tabs_->setCurrentIndex(kLogTab);
    setWidget(tabs_);
}

void COutputWnd::ShowTab(int index) {
    tabs_->setCurrentIndex(index);
}

} // namespace tarvelo::app
