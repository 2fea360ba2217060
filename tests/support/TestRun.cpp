#include "TestRun.h"

#include "content/ContentPath.h"
#include "course/CourseAssets.h"
#include "course/BuiltInTargetLabels.h"
#include "course/CourseLoader.h"
#include "screens/Screen.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace kelvora::test {

namespace {
const char *const LanguagePrefix[] = {"", "T", "E", "F"};

void writePicture(const QString &path, QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((seed * 37) % 360, 200, 120));
    QVERIFY2(image.save(path), qPrintable(path));
}
} // namespace

QString TestRun::writeCourse(const QByteArray &json, QSize pictureSize) const
{
    const QDir folder(dir.filePath(QStringLiteral("course")));
    static const QRegularExpression picture(QStringLiteral("\"([^\"]+\\.(jpg|png|bmp))\""));
    for (const QRegularExpressionMatch &match : picture.globalMatch(QString::fromUtf8(json))) {
        const QString path = folder.filePath(match.captured(1));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(pictureSize, QImage::Format_RGB32);
        QLinearGradient gradient(0, 0, image.width(), 0);
        gradient.setColorAt(0, QColor(200, 0, int(100 + qHash(path) % 100)));
        gradient.setColorAt(1, QColor(200, 255, 0));
        QPainter(&image).fillRect(image.rect(), gradient);
        image.save(path);
    }
    static const QRegularExpression sound(QStringLiteral("\"([^\"]+\\.wav)\""));
    for (const QRegularExpressionMatch &match : sound.globalMatch(QString::fromUtf8(json))) {
        QDir().mkpath(QFileInfo(folder.filePath(match.captured(1))).absolutePath());
        QFile(folder.filePath(match.captured(1))).open(QIODevice::WriteOnly); // the recording player reads nothing
    }
    QFile file(folder.filePath(QStringLiteral("course.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

TestRun::TestRun(int language, int languageLines)
    : Run(loadBuiltInCourse(), {.contentRoot = dir.filePath(QStringLiteral("content")),
                                          .languageFolder = dir.filePath(QStringLiteral("program"))}),
      m_previousCurrent(QDir::currentPath())
{
    QDir root(dir.path());
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("content/images"));
    root.mkpath(QStringLiteral("content/Sounds"));

    for (int lang = 1; lang <= 3; ++lang) {
        QByteArray bytes;
        for (int line = 1; line <= languageLines; ++line)
            bytes += LanguagePrefix[lang] + QByteArray::number(line) + "\r\n";
        writeLanguageFile(lang, bytes);
    }

    // Small pictures: the trainer draws whatever size it finds.
    const QString images = contentFolder() + QStringLiteral("/images/");
    for (int number = 0; number <= 78; ++number)
        writePicture(images + QStringLiteral("%1.jpg").arg(number, 3, 10, QLatin1Char('0')), {8, 8}, number);
    for (char letter = 'A'; letter <= 'G'; ++letter)
        writePicture(images + QStringLiteral("Kokpit%1.bmp").arg(QLatin1Char(letter)), {8, 8}, letter);
    writePicture(images + QStringLiteral("cougar.jpg"), {8, 8}, 99);

    QDir::setCurrent(contentFolder());
    setVoice(&sound);
    onEnd = [this](int status) {
        if (!endStatus)
            endStatus = status;
    };
    onError = [this](const RuntimeError &error) { errors << error; };
    this->language = language;
}

void TestRun::useCourseFile(const QString &file)
{
    Course course = loadCourse(file);
    checkCourseFiles(course);
    useCourse(std::move(course));
}

TestRun::~TestRun()
{
    for (Screen *page : pages()) {
        if (page->isWindow())
            delete page;
    }
    settle();
    QDir::setCurrent(m_previousCurrent);
}

void TestRun::writeLanguageFile(int language, const QByteArray &bytes) const
{
    QFile file(programFolder() + QStringLiteral("/Lang%1.txt").arg(language));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void TestRun::removeContent(const QString &relativePath) const
{
    QVERIFY(QFile::remove(contentFolder() + QLatin1Char('/') + relativePath));
}

Screen *TestRun::currentScreen()
{
    Screen *current = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *screen = qobject_cast<Screen *>(widget);
        if (screen && screen->isVisible())
            current = screen;
    }
    return current;
}

void TestRun::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void press(QWidget *widget, QPoint point, Qt::MouseButton button)
{
    // As a real press: the visible control under the point takes it (marks let it
    // through), else the widget itself.
    QWidget *target = widget->childAt(point);
    if (!target)
        target = widget;
    const QPoint at = target->mapFrom(widget, point);
    QTest::mousePress(target, button, Qt::NoModifier, at);
    QTest::mouseRelease(target, button, Qt::NoModifier, at);
}

} // namespace kelvora::test
