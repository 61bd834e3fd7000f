#include "app/CCKestroTrelliqView.h"

#include "app/res/Resource.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvelo::app {

CCKestroTrelliqView::CCKestroTrelliqView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("view"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("fileList"));
    list_->setProperty("controlId", IDC_FILE_LIST);
    list_->setColumnCount(3);
    list_->setHeaderLabels(
        {QStringLiteral("File Name"), QStringLiteral("File Type"), QStringLiteral("File Size(Bytes)")});
    list_->setColumnWidth(0, 200);
    list_->setColumnWidth(1, 100);
    list_->setColumnWidth(2, 100);
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->header()->setStretchLastSection(false);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(16);
    bold.setBold(true);
    bold.setStyleHint(QFont::SansSerif);
    list_->header()->setFont(bold);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::NoContextMenu);
    layout->addWidget(list_);
}

} // namespace tarvelo::app
