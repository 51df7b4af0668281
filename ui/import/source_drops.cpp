#include "source_drops.h"

#include "sound_collection.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace kelvane {

namespace {

// The local files and folders of a drag that may hold sources.
QStringList droppedSources(const QMimeData *data)
{
    QStringList sources;
    if (!data)
        return sources;
    for (const QUrl &url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && (file.isDir() || isSourceName(file.fileName())))
            sources << file.absoluteFilePath();
    }
    return sources;
}

class SourceDrops final : public QObject
{
public:
    SourceDrops(QObject *parent, std::function<void(const QStringList &)> dropped)
        : QObject(parent)
        , dropped_(std::move(dropped))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList sources = droppedSources(drop->mimeData());
        if (sources.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (type == QEvent::Drop)
            dropped_(sources);
        return true;
    }

private:
    std::function<void(const QStringList &)> dropped_;
};

} // namespace

void acceptSourceDrops(QAbstractScrollArea *view, std::function<void(const QStringList &)> dropped)
{
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(new SourceDrops(view->viewport(), std::move(dropped)));
}

} // namespace kelvane
