// The log list of the output pane: one line of text per row, appended at the end. There is no other
// copy of the log; the list is the log. Works on any one-column item view (the pane's list).
#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemView;

namespace tarvelo {

class LogWindow {
public:
    explicit LogWindow(QAbstractItemView* list = nullptr) { SetList(list); }
    void SetList(QAbstractItemView* list);
    [[nodiscard]] QAbstractItemView* List() const { return list_; }

    void Append(const QString& line);
    void Append(const QStringList& lines);
    void Clear();
    // Makes the last row visible, at once or within a few tens of milliseconds.
    void ShowLastLine();
    // The same at once.
    void ScrollToEnd();
    [[nodiscard]] int LineCount() const;
    [[nodiscard]] QStringList Lines() const;

private:
    static constexpr int kScrollDelayMs = 100;
    QAbstractItemView* list_ = nullptr;
    bool scrollPending_ = false;
};

} // namespace tarvelo
