#include "list_entry_tips.h"

#include <QHelpEvent>
#include <QListView>
#include <QStyle>
#include <QToolTip>

namespace kelvane {

namespace {

class CutEntryTips : public QObject
{
public:
    explicit CutEntryTips(QListView *list)
        : QObject(list)
        , list_(list)
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex item = list_->indexAt(help->pos());
        if (!item.isValid() || !isCut(item)) {
            QToolTip::hideText();
            return false;
        }
        QToolTip::showText(help->globalPos(), item.data().toString(), list_->viewport(),
                           list_->visualRect(item));
        return true;
    }

private:
    // Cut when the text reaches past what the viewport shows of its row, or is drawn shorter
    // than it is.
    bool isCut(const QModelIndex &item) const
    {
        const int margin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const QRect row = list_->visualRect(item);
        const int needed =
            list_->fontMetrics().horizontalAdvance(item.data().toString()) + 2 * margin;
        const QRect seen = row.intersected(list_->viewport()->rect());
        return needed > seen.width() || row.left() < 0;
    }

    QListView *list_;
};

} // namespace

void showCutEntriesWhole(QListView *list)
{
    list->viewport()->installEventFilter(new CutEntryTips(list));
}

} // namespace kelvane
