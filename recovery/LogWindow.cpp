#include "recovery/LogWindow.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QListView>
#include <QTimer>
#include <QTreeView>

namespace tarvelo {

void LogWindow::SetList(QAbstractItemView* list) {
    list_ = list;
    // Every row is one line of the same height: lets the view skip measuring each row.
    if (auto* view = qobject_cast<QListView*>(list_))
        view->setUniformItemSizes(true);
    else if (auto* tree = qobject_cast<QTreeView*>(list_))
        tree->setUniformRowHeights(true);
}

void LogWindow::Append(const QString& line) {
    QAbstractItemModel* model = list_ != nullptr ? list_->model() : nullptr;
    if (model == nullptr)
        return;
    const int row = model->rowCount();
    if (model->insertRow(row))
        model->setData(model->index(row, 0), line, Qt::DisplayRole);
}

void LogWindow::Append(const QStringList& lines) {
    for (const QString& line : lines)
        Append(line);
}

void LogWindow::Clear() {
    QAbstractItemModel* model = list_ != nullptr ? list_->model() : nullptr;
    if (model != nullptr && model->rowCount() > 0)
        model->removeRows(0, model->rowCount());
}

void LogWindow::ShowLastLine() {
    // Scrolling lays out the whole list first; during a scan that would happen once per found file.
    // One scroll per moment is enough to keep the last line in view.
    if (list_ == nullptr || scrollPending_)
        return;
    scrollPending_ = true;
    QTimer::singleShot(kScrollDelayMs, list_, [this] { ScrollToEnd(); });
}

void LogWindow::ScrollToEnd() {
    scrollPending_ = false;
    QAbstractItemModel* model = list_ != nullptr ? list_->model() : nullptr;
    if (model != nullptr && model->rowCount() > 0)
        list_->scrollTo(model->index(model->rowCount() - 1, 0));
}

int LogWindow::LineCount() const {
    const QAbstractItemModel* model = list_ != nullptr ? list_->model() : nullptr;
    return model != nullptr ? model->rowCount() : 0;
}

QStringList LogWindow::Lines() const {
    QStringList lines;
    const QAbstractItemModel* model = list_ != nullptr ? list_->model() : nullptr;
    if (model == nullptr)
        return lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines.push_back(model->data(model->index(row, 0), Qt::DisplayRole).toString());
    return lines;
}

} // namespace tarvelo
