// The author's fields for trainees who do not use a mouse, see or hear: read,
// written back as they were, offered to translators except the recordings,
// carried into the lessons in each language, and checked where they are wrong.
#include "course/author/AuthorCompiler.h"
#include "course/author/AuthorReader.h"
#include "course/author/AuthorTexts.h"
#include "course/author/AuthorValidation.h"
#include "course/author/AuthorWriter.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

namespace {
AuthorCourse twoLanguageCourse(const QByteArray &screenFields, const QByteArray &stepFields = {})
{
    const QByteArray json = R"({"format": 2, "id": "urn:example:courses:battery", "title": {"en": "Battery", "de": "Batterie"},
      "languages": [{"tag": "en", "name": "English"}, {"tag": "de", "name": "Deutsch"}],
      "screens": [{"id": "power", "photograph": "images/panel.jpg", "text": {"en": "Switch on.", "de": "Einschalten."},)" +
                            screenFields + R"(
        "steps": [{"id": "battery", "target": {"rectangle": [10, 10, 50, 50]},
                   "text": {"en": "Done.", "de": "Fertig."},)" + stepFields + R"( "sound": "sounds/click.wav"}]}]})";
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull())
        qFatal("%s", qPrintable(error.errorString()));
    return readAuthorCourse(document.object(), QStringLiteral("c.json"));
}
} // namespace

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

    void theFieldsReachTheLessonsInEachLanguage()
    {
        const Course course = compileAuthorCourse(twoLanguageCourse(
            R"("description": {"en": "The panel", "de": "Die Tafel"}, "loop": "sounds/hum.wav",
               "loopCaption": {"en": "[hum]", "de": "[Brummen]"}, "narration": {"en": "voice/en/power.ogg"},)",
            R"("caption": {"en": "[click]", "de": "[Klick]"}, "narration": {"en": "voice/en/done.ogg", "de": "voice/de/done.ogg"},)"));
        const LessonDesign &screen = course.screens.at(0);
        QCOMPARE(screen.photographDescriptions, QStringList({"The panel", "Die Tafel"}));
        QCOMPARE(screen.soundCaptions.at(QStringLiteral("sounds/click.wav")), QStringList({"[click]", "[Klick]"}));
        QCOMPARE(screen.soundCaptions.at(QStringLiteral("sounds/hum.wav")), QStringList({"[hum]", "[Brummen]"}));
        // Line 1 is the screen's text, line 2 the step's; German has no recording of line 1 and is spoken.
        QCOMPARE(course.narrationOf(1, 1), QStringLiteral("voice/en/power.ogg"));
        QCOMPARE(course.narrationOf(2, 1), QString());
        QCOMPARE(course.narrationOf(2, 2), QStringLiteral("voice/de/done.ogg"));
    }

    void theValidationNamesTheFaultyField_data()
    {
        QTest::addColumn<QByteArray>("screenFields");
        QTest::addColumn<QByteArray>("stepFields");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a recording in a language the course does not teach is refused")
            << QByteArray(R"("narration": {"fr": "voice/fr/power.ogg"},)") << QByteArray()
            << "Refused fr: power: narration: the course has no such language";
        QTest::newRow("a recording that is not in the course's folder is refused, named")
            << QByteArray() << QByteArray(R"("narration": {"en": "voice/en/done.ogg"},)")
            << "Refused power/battery: voice/en/done.ogg: missing";
        QTest::newRow("a label too long to listen to is advised against")
            << QByteArray() << QByteArray(R"("label": {"en": ")" + QByteArray(81, 'x') + R"(", "de": "Schalter"},)")
            << "Advice en: power/battery: label: is 81 characters long";
        QTest::newRow("a caption of a screen without a loop is advised against")
            << QByteArray(R"("loopCaption": {"en": "[hum]", "de": "[Brummen]"},)") << QByteArray()
            << "Advice power: loopCaption: there is no sound to caption";
    }
    void theValidationNamesTheFaultyField()
    {
        QFETCH(QByteArray, screenFields);
        QFETCH(QByteArray, stepFields);
        QFETCH(QString, problem);
        AuthorCourse course = twoLanguageCourse(screenFields, stepFields);
        QTemporaryDir folder;
        course.folder = folder.path();
        QStringList said;
        for (const AuthorProblem &found : validateAuthorCourse(course))
            said << (found.severity == AuthorProblem::Severity::Refused ? "Refused " : "Advice ") + found.toString();
        QVERIFY2(std::any_of(said.begin(), said.end(), [&](const QString &s) { return s.startsWith(problem); }),
                 qPrintable(said.join(u'\n')));
    }
};

QTEST_MAIN(AuthorAccessFieldsTest)
#include "test_author_access_fields.moc"
