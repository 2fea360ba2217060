#include "ScaledPictures.h"

#include "ContentPicture.h"

#include <QFileInfo>
#include <QPromise>

#include <memory>

namespace kelvora {

namespace {
// Enough for a course's thumbnails and a few canvas sizes; past that all are dropped and decoded again as asked.
constexpr qsizetype MostKept = 256;
} // namespace

ScaledPictures::ScaledPictures(QObject *parent) : QObject(parent)
{
    m_worker.setMaxThreadCount(1);
}

ScaledPictures::~ScaledPictures()
{
    m_worker.clear();
    m_worker.waitForDone();
}

ScaledPicture ScaledPictures::decode(const QString &path, QSize box)
{
    ScaledPicture picture;
    picture.shown = pictureSize(path);
    picture.image = readCompletePicture(path, picture.problem, box);
    return picture;
}

const ScaledPictures::Kept *ScaledPictures::kept(const QString &path, QSize box, const QDateTime &modified,
                                                 qint64 bytes) const
{
    for (auto it = m_kept.constFind(path); it != m_kept.cend() && it.key() == path; ++it) {
        if (it->box == box && it->modified == modified && it->bytes == bytes)
            return &*it;
    }
    return nullptr;
}

void ScaledPictures::keep(const QString &path, QSize box, const QDateTime &modified, qint64 bytes,
                          ScaledPicture picture)
{
    // What was kept for the file in this box, or for the file as it was, makes way.
    for (auto it = m_kept.find(path); it != m_kept.end() && it.key() == path;) {
        if (it->box == box || it->modified != modified || it->bytes != bytes)
            it = m_kept.erase(it);
        else
            ++it;
    }
    if (m_kept.size() >= MostKept)
        m_kept.clear();
    m_kept.insert(path, {modified, bytes, box, std::move(picture)});
}

std::optional<ScaledPicture> ScaledPictures::picture(const QString &path, QSize box)
{
    const QFileInfo file(path);
    const QDateTime modified = file.lastModified();
    const qint64 bytes = file.size();
    if (const Kept *found = kept(path, box, modified, bytes))
        return found->picture;
    QList<QSize> &decoding = m_decoding[path];
    if (decoding.contains(box))
        return std::nullopt;
    decoding.append(box);
    auto *watcher = new QFutureWatcher<ScaledPicture>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path, box, modified, bytes] {
        watcher->deleteLater();
        m_decoding[path].removeOne(box);
        keep(path, box, modified, bytes, watcher->result());
        emit ready(path, box);
    });
    auto promise = std::make_shared<QPromise<ScaledPicture>>();
    promise->start();
    watcher->setFuture(promise->future());
    m_worker.start([promise, path, box] {
        promise->addResult(decode(path, box));
        promise->finish();
    });
    return std::nullopt;
}

ScaledPicture ScaledPictures::pictureNow(const QString &path, QSize box)
{
    const QFileInfo file(path);
    const QDateTime modified = file.lastModified();
    const qint64 bytes = file.size();
    if (const Kept *found = kept(path, box, modified, bytes))
        return found->picture;
    ScaledPicture picture = decode(path, box);
    keep(path, box, modified, bytes, picture);
    return picture;
}

} // namespace kelvora
