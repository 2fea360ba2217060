#include "ContentPicture.h"

#include "ContentPath.h"
#include "Letterbox.h"
#include "PicturesAhead.h"
#include "platform/RuntimeError.h"

#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMutex>
#include <QStringList>
#include <QtEndian>

#include <atomic>
#include <cstdlib>

namespace kelvora {

namespace {
// The JPEG decoder reports data that ends early or is damaged only as a
// warning, and still returns an image with grey where the data was missing.
// While a picture is read, the warnings this thread emits are collected here
// instead of being printed; messages from other threads pass on unchanged.
// Pictures may be read on several threads at once: the handler is installed
// by the first of them and put back by the last.
thread_local QStringList *collectedWarnings = nullptr;
std::atomic<QtMessageHandler> previousHandler = nullptr;
QMutex handlerLock;
int threadsReading = 0; // guarded by handlerLock

void collectWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (collectedWarnings && type != QtDebugMsg && type != QtInfoMsg)
        collectedWarnings->append(message);
    else
        previousHandler.load()(type, context, message);
}

// The decoders' warnings are what tells a damaged picture from a sound one, so
// logging rules must not switch them off.
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void keepDecoderWarnings(QLoggingCategory *category)
{
    if (previousFilter) // null while installFilter() itself passes the existing categories
        previousFilter(category);
    if (qstrncmp(category->categoryName(), "qt.gui.imageio", 14) == 0)
        category->setEnabled(QtWarningMsg, true);
}

class DecoderWarnings {
public:
    DecoderWarnings()
    {
        static const bool filtering = [] {
            previousFilter = QLoggingCategory::installFilter(keepDecoderWarnings);
            return true;
        }();
        Q_UNUSED(filtering);
        collectedWarnings = &m_warnings;
        const QMutexLocker lock(&handlerLock);
        if (threadsReading++ == 0)
            previousHandler = qInstallMessageHandler(collectWarning);
    }
    ~DecoderWarnings()
    {
        {
            const QMutexLocker lock(&handlerLock);
            if (--threadsReading == 0)
                qInstallMessageHandler(previousHandler);
        }
        collectedWarnings = nullptr;
    }
    DecoderWarnings(const DecoderWarnings &) = delete;
    DecoderWarnings &operator=(const DecoderWarnings &) = delete;

    const QStringList &warnings() const { return m_warnings; }

private:
    QStringList m_warnings;
};

// The BMP decoder stops quietly at the end of the data and leaves the missing
// rows black, so the length is checked against the header. Returns the bytes
// the header promises, or 0 where it cannot tell (not a BMP, compressed data
// of unstated size). The headers fit in the first BmpHeadersLength bytes.
constexpr qsizetype FileHeader = 14;
constexpr qsizetype BmpHeadersLength = FileHeader + 24;

qint64 promisedBmpLength(const QByteArray &bytes)
{
    if (bytes.size() < FileHeader + 16 || !bytes.startsWith("BM"))
        return 0;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qint64 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + FileHeader);
    qint64 width = 0, height = 0, bitsPerPixel = 0;
    quint32 compression = 0, imageSize = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = qFromLittleEndian<quint16>(data + FileHeader + 4);
        height = qFromLittleEndian<quint16>(data + FileHeader + 6);
        bitsPerPixel = qFromLittleEndian<quint16>(data + FileHeader + 10);
    } else if (bytes.size() >= BmpHeadersLength) {
        width = qFromLittleEndian<qint32>(data + FileHeader + 4);
        height = std::abs(qint64(qFromLittleEndian<qint32>(data + FileHeader + 8)));
        bitsPerPixel = qFromLittleEndian<quint16>(data + FileHeader + 14);
        compression = qFromLittleEndian<quint32>(data + FileHeader + 16);
        imageSize = qFromLittleEndian<quint32>(data + FileHeader + 20);
    }
    constexpr quint32 Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6;
    if (compression == Rgb || compression == BitFields || compression == AlphaBitFields) {
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        return pixelsAt + rowBytes * height;
    }
    if ((compression == Rle8 || compression == Rle4) && imageSize > 0)
        return pixelsAt + imageSize;
    return 0;
}
} // namespace

namespace {
// The size a picture of that shown size is decoded at to fit the box: none (as it is) where it fits already.
QSize decodedSize(QSize shown, QSize fitInto)
{
    if (fitInto.isEmpty() || shown.isEmpty() || (shown.width() <= fitInto.width() && shown.height() <= fitInto.height()))
        return {};
    return shown.scaled(fitInto, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// A JPEG scales by 1/2, 1/4 or 1/8 while it decodes. Asked for another size,
// the decoder takes the largest of those at least that size and scales it
// down, through a buffer of up to four times the size asked for. Where the
// next smaller one falls short by a sixteenth or less, the picture is decoded
// at that and scaled up by the little left: a quarter of the pixels to decode
// and to hold. Both sizes as stored.
QSize jpegDecodeSize(QSize stored, QSize wanted)
{
    for (const int denominator : {8, 4, 2}) {
        const QSize scaled = stored / denominator;
        if (scaled.width() * 16 >= wanted.width() * 15 && scaled.height() * 16 >= wanted.height() * 15)
            return scaled;
    }
    return wanted;
}
} // namespace

QImage readCompletePicture(const QString &path, QString &problem, QSize fitInto)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return {};
    }
    // Decoded from the file as it is read: a picture's bytes are never held whole beside its pixels.
    const QByteArray headers = file.peek(BmpHeadersLength);
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    QImage image;
    QSize shown;
    QStringList warnings;
    {
        DecoderWarnings collector;
        const QSize stored = reader.size();
        const bool sideways = turnsSideways(reader.transformation());
        // The scaled size applies to the picture as stored, before it is turned upright.
        shown = decodedSize(sideways ? stored.transposed() : stored, fitInto);
        if (shown.isValid()) {
            const QSize wanted = sideways ? shown.transposed() : shown;
            reader.setScaledSize(reader.format() == "jpeg" ? jpegDecodeSize(stored, wanted) : wanted);
        }
        image = reader.read();
        warnings = collector.warnings();
    }
    if (image.isNull()) {
        problem = reader.errorString();
        return {};
    }
    if (!warnings.isEmpty()) {
        problem = QStringLiteral("damaged or incomplete picture data (%1)").arg(warnings.join(QStringLiteral("; ")));
        return {};
    }
    const qint64 promised = promisedBmpLength(headers);
    if (promised > file.size()) {
        problem = QStringLiteral("incomplete picture data (%1 of %2 bytes)").arg(file.size()).arg(promised);
        return {};
    }
    if (shown.isValid() && image.size() != shown)
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QSize pictureSize(const QString &path)
{
    QImageReader reader(path);
    const QSize stored = reader.size();
    return turnsSideways(reader.transformation()) ? stored.transposed() : stored;
}

QImage loadContentPicture(const PictureShown &picture, const QString &folder)
{
    const QString &name = picture.name;
    const QString path = resolveContentPath(name, folder);
    if (path.isEmpty())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, name, contentLookupDetail(name, folder));
    if (std::optional<QImage> ahead = takePictureReadAhead(path, picture.fitInto))
        return *ahead;
    QString problem;
    const QImage image = readCompletePicture(path, problem, picture.fitInto);
    if (image.isNull())
        throw RuntimeError(RuntimeError::Kind::BadPicture, name, QStringLiteral("%1: %2").arg(path, problem));
    return picture.fitInto.isEmpty() ? image : letterboxed(image, picture.fitInto);
}

} // namespace kelvora
