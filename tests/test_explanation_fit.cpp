#include "content/ExplanationFit.h"
#include "course/CourseLoader.h"
#include "screens/PressLabel.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <cmath>

using namespace kelvora;

namespace {

constexpr int labelWidth = 741;

const Course &startup()
{
    static const Course course = loadCourse(BuiltInCourseFile);
    return course;
}

int explanationScreen(int line)
{
    return startup().screenOfLine(line);
}

QStringList readLines(const QString &fileName, QString *error)
{
    QFile file(QStringLiteral(KELVORA_CONTENT_SOURCE_DIR "/texts/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    if (utf8.hasError()) {
        *error = QStringLiteral("not valid UTF-8");
        return {};
    }
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString digitsOf(const QString &line)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QStringList found;
    for (const auto &match : number.globalMatch(line))
        found << match.captured();
    return found.join(u' ');
}

} // namespace

class TestExplanationFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFontInfo(explanationFont()).family() == QLatin1String("Liberation Sans"),
                 "Liberation Sans is not installed (Debian package fonts-liberation2): widths would be wrong");
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("fitsOneRowLabel");
        QTest::addColumn<bool>("fitsThreeRowLabel");

        QTest::newRow("a short line takes one row and fits every label")
            << QStringLiteral("Press Continue.") << 1 << true << true;
        QTest::newRow("a line of two rows fits only the tall labels")
            << QStringLiteral("Fuel and ignition are on: the engine lights off. Watch RPM rise from about 20 % "
                              "to about 70 %; the exhaust temperature rises, peaks and settles.")
            << 2 << false << true;
        QTest::newRow("a line of four rows is reported as too long even for the tallest label")
            << QString(QStringLiteral("Set the standby generator switch ON and check its light. ")).repeated(6).trimmed()
            << 4 << false << false;
        QTest::newRow("an empty line takes no row and fits")
            << QString() << 0 << true << true;
    }

    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(bool, fitsOneRowLabel);
        QFETCH(bool, fitsThreeRowLabel);

        QCOMPARE(wrapText(text, explanationFont(), labelWidth).rows, rows);
        QCOMPARE(fitsLabel(text, explanationFont(), labelWidth, 27), fitsOneRowLabel);
        QCOMPARE(fitsLabel(text, explanationFont(), labelWidth, 69), fitsThreeRowLabel);
    }

    void rowsBreakBetweenWordsOnly()
    {
        const QFont font = explanationFont();
        const QFontMetricsF metrics(font);
        const QString word = QStringLiteral("anticollision");
        // Two words that cannot share a row of this width, though their letters would.
        const int width = int(std::ceil(metrics.horizontalAdvance(word) * 1.5));
        const WrappedText wrapped = wrapText(word + u' ' + word, font, width);
        QCOMPARE(wrapped.rows, 2);
        QCOMPARE(wrapped.widestRow, int(std::ceil(metrics.horizontalAdvance(word))));
    }

    void aWordWiderThanTheLabelIsNotBrokenAndDoesNotFit()
    {
        const QString word(120, u'M');
        const WrappedText wrapped = wrapText(word, explanationFont(), labelWidth);
        QCOMPARE(wrapped.rows, 1);
        QVERIFY(wrapped.widestRow > labelWidth);
        QVERIFY(!fitsLabel(word, explanationFont(), labelWidth, 69));
    }

    // Only the start of a caption far longer than the label is laid out, and
    // the label looks the same as a plain one showing all of it.
    void aVeryLongCaptionLooksAsInAPlainLabel_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("words that wrap") << QStringLiteral("Check the battery switch. ").repeated(3 * LongestTextLaidOut / 26);
        QTest::newRow("one word wider than the label") << QString(3 * LongestTextLaidOut, u'M');
    }
    void aVeryLongCaptionLooksAsInAPlainLabel()
    {
        QFETCH(QString, caption);
        QWidget window;
        window.resize(800, 120);
        QLabel plain(caption, &window);
        PressLabel pressLabel(&window, QStringLiteral("Explain"), {12, 6, labelWidth, 69}, caption);
        for (QLabel *label : {static_cast<QLabel *>(&plain), static_cast<QLabel *>(&pressLabel)}) {
            label->setGeometry(12, 6, labelWidth, 69);
            label->setTextFormat(Qt::PlainText);
            label->setFont(explanationFont());
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        QCOMPARE(pressLabel.text(), caption);
        QCOMPARE(pressLabel.grab().toImage(), plain.grab().toImage());
    }

    void lineMap_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("lineCount");

        const int table[18][3] = {{1, 1, 1},   {2, 2, 1},   {3, 3, 7},   {4, 10, 1},  {5, 11, 2},  {6, 13, 3},
                                  {7, 16, 8},  {8, 24, 4},  {9, 28, 1},  {10, 29, 1}, {11, 30, 10}, {12, 40, 3},
                                  {13, 43, 1}, {14, 44, 1}, {15, 45, 1}, {16, 46, 1}, {17, 47, 1},  {18, 48, 3}};
        for (const auto &row : table)
            QTest::addRow("screen %d shows %d line(s) from line %d", row[0], row[2], row[1]) << row[0] << row[1] << row[2];
    }

    void lineMap()
    {
        QFETCH(int, screen);
        QFETCH(int, firstLine);
        QFETCH(int, lineCount);

        QCOMPARE(explanationScreen(firstLine - 1) == screen, false);
        for (int line = firstLine; line < firstLine + lineCount; ++line)
            QCOMPARE(explanationScreen(line), screen);
        QCOMPARE(explanationScreen(firstLine + lineCount) == screen, false);
    }

    void lineNumbersOutsideARunBelongToNoScreen()
    {
        QCOMPARE(explanationScreen(0), 0);
        QCOMPARE(explanationScreen(51), 0);
        QCOMPARE(explanationScreen(-1), 0);
    }

    void languageFiles_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("ownLetters");
        QTest::newRow("the English lines") << QStringLiteral("en.txt") << QString();
        QTest::newRow("the Turkish lines") << QStringLiteral("tr.txt") << QStringLiteral("çğışüöİ");
        QTest::newRow("the French lines") << QStringLiteral("fr.txt") << QStringLiteral("éèêàô");
    }

    void languageFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, ownLetters);

        QString error;
        const QStringList lines = readLines(fileName, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(lines.size(), startup().linesRead());

        const QFont font = explanationFont();
        const int lineSpacing = QFontMetrics(font).lineSpacing();
        QLabel label;
        label.setFont(font);
        label.setWordWrap(true);

        QStringList faults;
        for (int number = 1; number <= lines.size(); ++number) {
            const QString &line = lines.at(number - 1);
            const int height = startup().screens[size_t(explanationScreen(number) - 1)].layout.explainHeight;
            const WrappedText wrapped = wrapText(line, font, labelWidth);
            QStringEncoder windows1254("windows-1254");
            windows1254.encode(line);

            if (line.trimmed().isEmpty() || line != line.trimmed() || line.contains(u'\r'))
                faults << QStringLiteral("line %1: empty or padded").arg(number);
            if (windows1254.hasError())
                faults << QStringLiteral("line %1: a character outside windows-1254").arg(number);
            if (!fitsLabel(line, font, labelWidth, height))
                faults << QStringLiteral("line %1: %2 rows, widest %3 px, label %4 px high")
                              .arg(number).arg(wrapped.rows).arg(wrapped.widestRow).arg(height);

            label.setText(line);
            const int labelRows = qRound(double(label.heightForWidth(labelWidth)) / lineSpacing);
            if (labelRows != wrapped.rows)
                faults << QStringLiteral("line %1: %2 rows here, %3 in a label").arg(number).arg(wrapped.rows).arg(labelRows);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        const QString text = lines.join(u'\n');
        for (QChar letter : ownLetters)
            QVERIFY2(text.contains(letter), qPrintable(QStringLiteral("no %1 in %2").arg(letter, fileName)));
    }

    // A line moved up or down in one file would show beside another screen's step.
    void theSameLineCarriesTheSameNumbersInEveryLanguage()
    {
        QString error;
        const QStringList english = readLines(QStringLiteral("en.txt"), &error);
        const QStringList turkish = readLines(QStringLiteral("tr.txt"), &error);
        const QStringList french = readLines(QStringLiteral("fr.txt"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(turkish.size(), english.size());
        QCOMPARE(french.size(), english.size());
        for (int i = 0; i < english.size(); ++i) {
            QCOMPARE(digitsOf(turkish.at(i)), digitsOf(english.at(i)));
            QCOMPARE(digitsOf(french.at(i)), digitsOf(english.at(i)));
        }
    }
};

QTEST_MAIN(TestExplanationFit)
#include "test_explanation_fit.moc"
