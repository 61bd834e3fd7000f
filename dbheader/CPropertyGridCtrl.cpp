#include "dbheader/CPropertyGridCtrl.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QVBoxLayout>

namespace tarvelo {

namespace {
constexpr int kDescriptionRole = Qt::UserRole + 1;
}

CPropertyGridCtrl::CPropertyGridCtrl(QWidget* parent)
    : QWidget(parent), tree_(new QTreeWidget(this)), description_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    tree_->setObjectName(QStringLiteral("propertyGrid"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    tree_->header()->hide();
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setRootIsDecorated(true);
    tree_->setAlternatingRowColors(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    tree_->setColumnWidth(0, 170);
    description_->setObjectName(QStringLiteral("propertyDescription"));
    description_->setWordWrap(true);
    description_->setFrameShape(QFrame::StyledPanel);
    description_->setMinimumHeight(48);
    description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    description_->setTextFormat(Qt::PlainText);
    layout->addWidget(tree_, 1);
    layout->addWidget(description_);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { ShowDescription(current); });
}

void CPropertyGridCtrl::RemoveAll() {
    tree_->clear();
    description_->clear();
}

QTreeWidgetItem* CPropertyGridCtrl::AddGroup(const QString& caption) {
    auto* group = new QTreeWidgetItem(tree_, {caption});
    group->setFirstColumnSpanned(true);
    QFont bold = tree_->font();
    bold.setBold(true);
    group->setFont(0, bold);
    group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return group;
}

QTreeWidgetItem* CPropertyGridCtrl::AddRow(QTreeWidgetItem* group, const QString& caption,
                                           const QString& value, const QString& description) {
    auto* row = new QTreeWidgetItem(group, {caption, value});
    row->setData(0, kDescriptionRole, description);
    row->setToolTip(1, value);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable); // shown, never edited
    return row;
}

void CPropertyGridCtrl::ShowDescription(QTreeWidgetItem* item) {
    if (item == nullptr) {
        description_->clear();
        return;
    }
    const QString text = item->data(0, kDescriptionRole).toString();
    description_->setText(text.isEmpty() ? item->text(0) : item->text(0) + QStringLiteral("\n") + text);
}

void CPropertyGridCtrl::RefreshFont() {
    const QFont menu = QApplication::font("QMenu");
    QFont font = QApplication::font();
    font.setPointSizeF(menu.pointSizeF() > 0 ? menu.pointSizeF() : font.pointSizeF());
    font.setWeight(menu.weight());
    font.setItalic(menu.italic());
    tree_->setFont(font);
}

void CPropertyGridCtrl::changeEvent(QEvent* event) {
    // The system's settings changed: take the fonts again.
    if (event->type() == QEvent::ApplicationFontChange || event->type() == QEvent::ThemeChange)
        RefreshFont();
    QWidget::changeEvent(event);
}

QStringList CPropertyGridCtrl::Rows() const {
    QStringList rows;
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r)
            rows.push_back(group->text(0) + QLatin1Char('/') + group->child(r)->text(0) + QLatin1Char('=') +
                           group->child(r)->text(1));
    }
    return rows;
}

} // namespace tarvelo
