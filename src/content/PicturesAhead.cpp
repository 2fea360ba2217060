#include "PicturesAhead.h"

#include "ContentPath.h"
#include "ContentPicture.h"
#include "Letterbox.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFuture>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <vector>

namespace kelvora {

namespace {
// What a file was when its reading ahead began.
struct FileStamp {
    QDateTime modified;
    qint64 size = -1;

    static FileStamp of(const QString &path)
    {
        const QFileInfo info(path);
        return {info.lastModified(), info.size()};
    }
    bool operator==(const FileStamp &other) const { return modified == other.modified && size == other.size; }
};

struct PictureAhead {
    QString path;
    QSize fitInto;
    FileStamp stamp;
    QFuture<QImage> image;
};

std::vector<PictureAhead> &picturesAhead()
{
    static std::vector<PictureAhead> store;
    return store;
}

// One thread, so that reading ahead never takes both cores from the page being shown.
struct Reader : QThreadPool {
    Reader() { setMaxThreadCount(1); }
};

QThreadPool &reader()
{
    static Reader pool;
    return pool;
}

QFuture<QImage> decodeLater(const QString &path, QSize fitInto, AheadKeeping keeping)
{
    auto promise = std::make_shared<QPromise<QImage>>();
    promise->start();
    QFuture<QImage> image = promise->future();
    reader().start([promise, path, fitInto, keeping] {
        if (promise->isCanceled()) {
            promise->finish();
            return;
        }
        QString problem;
        QImage image = readCompletePicture(path, problem, fitInto); // null where it fails
        if (!fitInto.isEmpty() && !image.isNull())
            image = letterboxed(image, fitInto);
        if (keeping == AheadKeeping::Compact && image.format() == QImage::Format_RGB32)
            image.convertTo(QImage::Format_RGB888); // in place
        promise->addResult(image);
        promise->finish();
    });
    return image;
}

auto findAhead(std::vector<PictureAhead> &store, const QString &path, QSize fitInto)
{
    return std::find_if(store.begin(), store.end(),
                        [&](const PictureAhead &ahead) { return ahead.path == path && ahead.fitInto == fitInto; });
}
} // namespace

void readPicturesAhead(const QList<PictureShown> &pictures, AheadKeeping keeping, const QString &folder)
{
    std::vector<PictureAhead> &store = picturesAhead();
    std::vector<PictureAhead> kept;
    for (const PictureShown &picture : pictures) {
        if (kept.size() == size_t(MostPicturesAhead))
            break;
        const QString path = resolveContentPath(picture.name, folder);
        if (path.isEmpty())
            continue; // reported when the page shows it
        if (findAhead(kept, path, picture.fitInto) != kept.end())
            continue;
        const auto before = findAhead(store, path, picture.fitInto);
        if (before != store.end()) {
            kept.push_back(std::move(*before));
            store.erase(before);
        } else
            kept.push_back({path, picture.fitInto, FileStamp::of(path), decodeLater(path, picture.fitInto, keeping)});
    }
    for (PictureAhead &dropped : store)
        dropped.image.cancel(); // not begun: never begins; begun: finishes unread
    store = std::move(kept);
}

std::optional<QImage> takePictureReadAhead(const QString &path, QSize fitInto)
{
    std::vector<PictureAhead> &store = picturesAhead();
    const auto found = findAhead(store, path, fitInto);
    if (found == store.end())
        return std::nullopt;
    PictureAhead ahead = std::move(*found);
    store.erase(found);
    if (!(FileStamp::of(path) == ahead.stamp))
        return std::nullopt;
    QImage image = ahead.image.result();
    if (image.isNull())
        return std::nullopt; // read again, to report why
    return image;
}

} // namespace kelvora
