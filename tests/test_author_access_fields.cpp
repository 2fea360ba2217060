// The author's fields for trainees who do not use a mouse, see or hear: read,
// written back as they were, and offered to translators except the recordings.
#include "course/author/AuthorReader.h"
#include "course/author/AuthorTexts.h"
#include "course/author/AuthorWriter.h"

#include <QJsonDocument>
#include <QTest>

using namespace kelvora;

class AuthorAccessFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void theFieldsGoRoundTheModelAndOnlyWordsAreTranslated()
    {
        const QByteArray json = R"({
          "format": 2, "id": "urn:example:courses:battery", "title": {"en": "Battery"},
          "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
          "screens": [{
            "id": "power", "photograph": "images/panel.jpg",
            "description": {"en": "The left panel, battery switch at the top"},
            "inset": {"picture": "images/overview.png", "description": {"en": "The whole cockpit"}},
            "loop": "sounds/hum.wav", "loopCaption": {"en": "[engine running]"},
            "text": {"en": "Switch the battery on."}, "narration": {"en": "voice/en/power.ogg", "de": "voice/de/power.ogg"},
            "steps": [{"id": "battery", "target": {"rectangle": [10, 10, 50, 50]}, "sound": "sounds/click.wav",
                       "label": {"en": "Battery switch", "de": "Batterieschalter"}, "caption": {"en": "[click]"}}]
          }]})";
        const AuthorCourse course = readAuthorCourse(QJsonDocument::fromJson(json).object(), QStringLiteral("c.json"));
        const AuthorScreen &screen = course.screens.at(0);
        QCOMPARE(screen.steps.at(0).label.value(QStringLiteral("de")), QStringLiteral("Batterieschalter"));
        QCOMPARE(screen.steps.at(0).caption.value(QStringLiteral("en")), QStringLiteral("[click]"));
        QCOMPARE(screen.narration.value(QStringLiteral("de")), QStringLiteral("voice/de/power.ogg"));
        QCOMPARE(screen.loopCaption.value(QStringLiteral("en")), QStringLiteral("[engine running]"));
        QCOMPARE(screen.inset->description.value(QStringLiteral("en")), QStringLiteral("The whole cockpit"));

        const QByteArray written = writeAuthorCourse(course);
        QCOMPARE(readAuthorCourse(QJsonDocument::fromJson(written).object(), QStringLiteral("c.json")), course);

        QStringList contexts;
        for (const AuthorText &text : authorTexts(course))
            contexts << text.context;
        for (const char *context : {"power/description", "power/loopCaption", "power/inset/description",
                                    "power/battery/label", "power/battery/caption"})
            QVERIFY2(contexts.contains(QLatin1String(context)), context);
        QVERIFY2(!contexts.join(u' ').contains(QLatin1String("narration")), qPrintable(contexts.join(u' ')));
    }
};

QTEST_MAIN(AuthorAccessFieldsTest)
#include "test_author_access_fields.moc"
