#include "list_entry_tips.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QStyle>
#include <QToolTip>

namespace kelvane {

namespace {

class CutEntryTips : public QObject
{
public:
    explicit CutEntryTips(QListWidget *list)
        : QObject(list)
        , list_(list)
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        const QListWidgetItem *item = list_->itemAt(help->pos());
        if (!item || !isCut(item)) {
            QToolTip::hideText();
            return false;
        }
        QToolTip::showText(help->globalPos(), item->text(), list_->viewport(),
                           list_->visualItemRect(item));
        return true;
    }

private:
    // Cut when the text reaches past what the viewport shows of its row, or is drawn shorter
    // than it is.
    bool isCut(const QListWidgetItem *item) const
    {
        const int margin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        const QRect row = list_->visualItemRect(item);
        const int needed = list_->fontMetrics().horizontalAdvance(item->text()) + 2 * margin;
        const QRect seen = row.intersected(list_->viewport()->rect());
        return needed > seen.width() || row.left() < 0;
    }

    QListWidget *list_;
};

} // namespace

void showCutEntriesWhole(QListWidget *list)
{
    list->viewport()->installEventFilter(new CutEntryTips(list));
}

} // namespace kelvane
