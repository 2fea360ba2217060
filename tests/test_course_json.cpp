#include "course/CourseJson.h"
#include "course/author/AuthorReader.h"
#include "course/author/AuthorWriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace kelvora;

class TestCourseJson : public QObject {
    Q_OBJECT
private slots:
    void writesTheOneFormAndReadsBackTheSame();
    void anyFieldOrderWritesTheSameBytes();
    void theTypedCourseWritesTheBytesItWasReadFrom_data();
    void theTypedCourseWritesTheBytesItWasReadFrom();
};

namespace {
// Texts follow the languages' order (de before en), steps one field a line, targets and short texts on one line.
const QByteArray Canonical = R"({
  "format": 2,
  "id": "urn:example:courses:preflight",
  "title": {"de": "Vorflugkontrolle", "en": "Pre-flight check"},
  "languages": [
    {"tag": "de", "name": "Deutsch"},
    {"tag": "en", "name": "English", "captions": {"start": "Go", "exit": "Leave"}}
  ],
  "screens": [
    {
      "id": "prestart",
      "photograph": "images/panel.jpg",
      "inset": {"picture": "images/overview.png", "place": "right"},
      "text": {
        "de": "Batterie einschalten, dann die Kraftstoffpumpe, dann den Zündschalter, und dann abwarten.",
        "en": "Switch the battery on."
      },
      "steps": [
        {
          "id": "battery",
          "target": {"rectangle": [1210, 640, 180, 230]},
          "sound": "sounds/click.wav",
          "photograph": "images/panel-battery.jpg",
          "text": {"de": "Gut.", "en": "Good."}
        }
      ],
      "pointAt": [
        {
          "id": "engine",
          "targets": [
            {"circle": [400, 300, 120]},
            {"oval": [800, 300, 120, 60]}
          ]
        }
      ],
      "sequence": {
        "periodMs": 2000,
        "photographs": ["images/rpm-10.jpg", "images/rpm-20.jpg"],
        "sound": "sounds/spool.wav"
      }
    }
  ]
}
)";

QJsonObject parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad JSON in the test: %s", qPrintable(error.errorString()));
    return document.object();
}
} // namespace

void TestCourseJson::writesTheOneFormAndReadsBackTheSame()
{
    const QByteArray written = canonicalCourseJson(parse(Canonical));
    QCOMPARE(QString::fromUtf8(written), QString::fromUtf8(Canonical));
    QCOMPARE(parse(written), parse(Canonical));
}

void TestCourseJson::anyFieldOrderWritesTheSameBytes()
{
    const QByteArray shuffled = R"({"screens": [{"steps": [{"text": {"en": "Good.", "de": "Gut."},
        "photograph": "images/panel-battery.jpg", "sound": "sounds/click.wav", "target": {"rectangle": [1210, 640, 180, 230]},
        "id": "battery"}], "text": {"en": "Switch the battery on.",
        "de": "Batterie einschalten, dann die Kraftstoffpumpe, dann den Zündschalter, und dann abwarten."},
        "sequence": {"sound": "sounds/spool.wav", "photographs": ["images/rpm-10.jpg", "images/rpm-20.jpg"], "periodMs": 2000},
        "pointAt": [{"targets": [{"circle": [400, 300, 120]}, {"oval": [800, 300, 120, 60]}], "id": "engine"}],
        "inset": {"place": "right", "picture": "images/overview.png"}, "photograph": "images/panel.jpg", "id": "prestart"}],
        "languages": [{"name": "Deutsch", "tag": "de"}, {"captions": {"exit": "Leave", "start": "Go"}, "name": "English", "tag": "en"}],
        "title": {"en": "Pre-flight check", "de": "Vorflugkontrolle"}, "id": "urn:example:courses:preflight", "format": 2})";
    QCOMPARE(QString::fromUtf8(canonicalCourseJson(parse(shuffled))), QString::fromUtf8(Canonical));
}

void TestCourseJson::theTypedCourseWritesTheBytesItWasReadFrom_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("every kind of field, captions and text order") << Canonical;
    for (const char *course : {"shutdown", "example"}) {
        QFile file(QStringLiteral(KELVORA_SOURCE_DIR "/content/courses/%1/course.json").arg(QLatin1String(course)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(QStringLiteral("the shipped %1 course").arg(QLatin1String(course)))) << file.readAll();
    }
}

void TestCourseJson::theTypedCourseWritesTheBytesItWasReadFrom()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(QString::fromUtf8(writeAuthorCourse(readAuthorCourse(parse(bytes), QStringLiteral("course.json")))),
             QString::fromUtf8(bytes));
}

QTEST_GUILESS_MAIN(TestCourseJson)
#include "test_course_json.moc"
