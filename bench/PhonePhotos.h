// Phone photographs made at bench time, and courses made of them: 4032 x 3024
// JPEGs with photographic noise (3-5 MB each), landscape, or portrait as a phone
// stores them (on their side, with EXIF orientation 6). Nothing is downloaded.
#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>

namespace bench {

// A panel-like scene with grain; seed makes each photograph different.
inline QImage noisyPhotograph(int seed)
{
    QImage image(4032, 3024, QImage::Format_RGB32);
    image.fill(QColor(0x40 + seed * 7 % 64, 0x44, 0x4C));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 12; ++i) {
            painter.setBrush(QColor::fromHsv((seed * 40 + i * 25) % 360, 60, 40 + i * 15));
            painter.drawEllipse(QPointF(300 + i * 310, 900 + (i % 3) * 700), 240, 240);
            painter.drawRoundedRect(QRectF(200 + i * 320, 2400, 180, 400), 30, 30);
        }
    }
    QRandomGenerator noise(quint32(seed) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(noise.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// Writes the photograph as a JPEG; portrait: stored on its side, shown upright through EXIF orientation 6.
inline void writePhotograph(const QString &path, const QImage &landscape, bool portrait)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    landscape.save(&buffer, "JPEG", 90);
    if (portrait)
        jpeg.insert(2, QByteArray::fromHex("ffe10022" "457869660000" "4d4d002a00000008"
                                           "0001" "011200030000000100060000" "00000000"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(jpeg);
}

// A course of screens whose first photograph, one step's photograph and the
// next screen's photograph are photographs[3 s], [3 s + 1], [3 s + 3]: a press
// on the step shows a new photograph, Continue the next screen's.
inline QByteArray phoneCourse(int screens, int photographs, QSize shown)
{
    const auto name = [photographs](int i) { return QStringLiteral("images/photo-%1.jpg").arg(i % photographs); };
    const auto text = [](const QString &words) { return QJsonObject{{QStringLiteral("en"), words}}; };
    QJsonArray list;
    for (int s = 0; s < screens; ++s) {
        const QJsonArray target{shown.width() / 3, shown.height() / 3, shown.width() / 6, shown.height() / 6};
        const QJsonObject step{{QStringLiteral("id"), QStringLiteral("switch")},
                               {QStringLiteral("target"), QJsonObject{{QStringLiteral("rectangle"), target}}},
                               {QStringLiteral("photograph"), name(3 * s + 1)},
                               {QStringLiteral("text"), text(QStringLiteral("Now watch the gauge settle."))}};
        list.append(QJsonObject{{QStringLiteral("id"), QStringLiteral("screen-%1").arg(s + 1)},
                                {QStringLiteral("title"), text(QStringLiteral("Screen %1").arg(s + 1))},
                                {QStringLiteral("photograph"), name(3 * s)},
                                {QStringLiteral("text"), text(QStringLiteral("Switch the battery on, then press Continue."))},
                                {QStringLiteral("steps"), QJsonArray{step}}});
    }
    const QJsonObject course{{QStringLiteral("format"), 2},
                             {QStringLiteral("id"), QStringLiteral("urn:example:courses:phone-photos")},
                             {QStringLiteral("title"), text(QStringLiteral("Phone photographs"))},
                             {QStringLiteral("languages"), QJsonArray{QJsonObject{{QStringLiteral("tag"), QStringLiteral("en")},
                                                                                 {QStringLiteral("name"), QStringLiteral("English")}}}},
                             {QStringLiteral("screens"), list}};
    return QJsonDocument(course).toJson();
}

// Writes `photographs` files (distinct contents, a few made and the rest copies)
// and course.json into folder; returns the course file.
inline QString writePhoneCourse(const QString &folder, int screens, int photographs, bool portrait)
{
    QDir(folder).mkpath(QStringLiteral("images"));
    constexpr int Distinct = 6;
    for (int i = 0; i < photographs; ++i) {
        const QString path = QStringLiteral("%1/images/photo-%2.jpg").arg(folder).arg(i);
        if (i < Distinct)
            writePhotograph(path, noisyPhotograph(i), portrait);
        else
            QFile::copy(QStringLiteral("%1/images/photo-%2.jpg").arg(folder).arg(i % Distinct), path);
    }
    const QString file = folder + QStringLiteral("/course.json");
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(phoneCourse(screens, photographs, portrait ? QSize(3024, 4032) : QSize(4032, 3024)));
    return file;
}

} // namespace bench
