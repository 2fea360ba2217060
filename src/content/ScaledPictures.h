#pragma once

#include <QDateTime>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <optional>

namespace kelvora {

// A picture decoded to fit a box: upright, aspect kept, not letterboxed.
struct ScaledPicture {
    QImage image;  // null where the file does not decode
    QSize shown;   // the picture's own size, upright
    QString problem;
};

// Pictures for views that show many of them smaller than their pixels (an
// editor's canvas at its zoom, thumbnails): decoded on a worker thread at the
// size they are drawn, kept per file and box while the file's time and size
// are unchanged. Used from the thread that owns it.
class ScaledPictures : public QObject {
    Q_OBJECT
public:
    explicit ScaledPictures(QObject *parent = nullptr);
    ~ScaledPictures() override;

    // The picture at path fitted into box, if it is decoded for the file as it
    // is now; otherwise its decoding starts (once) and ready() follows.
    std::optional<ScaledPicture> picture(const QString &path, QSize box);

    // Decodes at once where it is not kept yet: for a view that cannot wait.
    ScaledPicture pictureNow(const QString &path, QSize box);

signals:
    void ready(const QString &path, QSize box);

private:
    struct Kept {
        QDateTime modified;
        qint64 bytes = -1;
        QSize box;
        ScaledPicture picture;
    };
    static ScaledPicture decode(const QString &path, QSize box);
    const Kept *kept(const QString &path, QSize box, const QDateTime &modified, qint64 bytes) const;
    void keep(const QString &path, QSize box, const QDateTime &modified, qint64 bytes, ScaledPicture picture);

    QThreadPool m_worker;
    QMultiHash<QString, Kept> m_kept;
    QHash<QString, QList<QSize>> m_decoding;
};

} // namespace kelvora
