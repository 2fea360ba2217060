#include "ScreenPanel.h"

#include "CourseDocument.h"
#include "CourseEdits.h"
#include "CourseFiles.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace kelvora {

namespace {
const QString None = QStringLiteral("(none)");
const QString Inset = QStringLiteral("inset");
const QString Sequence = QStringLiteral("sequence");
const QString Pictures = QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)");

QLabel *caption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

void fillSounds(QComboBox *box, const QStringList &sounds, const QString &current)
{
    box->clear();
    box->addItem(None);
    box->addItems(sounds);
    if (!current.isEmpty() && box->findText(current) < 0)
        box->addItem(current);
    box->setCurrentText(current.isEmpty() ? None : current);
}
} // namespace

ScreenPanel::ScreenPanel(CourseDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_inset(new QLabel), m_insetPlace(new QComboBox), m_loop(new QComboBox),
      m_sequence(new QPushButton(QStringLiteral("Sequence..."))), m_period(new QSpinBox), m_sequenceSound(new QComboBox),
      m_removeSequence(new QPushButton(QStringLiteral("Remove")))
{
    auto *choose = new QPushButton(QStringLiteral("Inset..."));
    m_insetPlace->addItems({QStringLiteral("left"), QStringLiteral("right")});
    m_insetPlace->setAccessibleName(QStringLiteral("Inset place"));
    m_loop->setAccessibleName(QStringLiteral("Engine loop"));
    m_sequence->setToolTip(QStringLiteral("The timed sequence's photographs, shown one per period after the last step"));
    m_period->setRange(100, 60000);
    m_period->setSingleStep(100);
    m_period->setSuffix(QStringLiteral(" ms"));
    m_period->setAccessibleName(QStringLiteral("Sequence period"));
    m_sequenceSound->setAccessibleName(QStringLiteral("Sequence sound"));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption(QStringLiteral("Inset"), choose));
    row->addWidget(m_inset, 1);
    row->addWidget(choose);
    row->addWidget(m_insetPlace);
    row->addSpacing(12);
    row->addWidget(caption(QStringLiteral("Loop"), m_loop));
    row->addWidget(m_loop, 1);
    row->addSpacing(12);
    row->addWidget(m_sequence);
    row->addWidget(m_period);
    auto *soundCaption = caption(QStringLiteral("sound"), m_sequenceSound);
    row->addWidget(soundCaption);
    row->addWidget(m_sequenceSound, 1);
    row->addWidget(m_removeSequence);

    m_sequenceParts = {m_period, soundCaption, m_sequenceSound, m_removeSequence};
    connect(choose, &QPushButton::clicked, this, &ScreenPanel::chooseInset);
    connect(m_insetPlace, &QComboBox::activated, this, [this] {
        QJsonObject inset = m_document.screen(m_screen).value(Inset).toObject();
        inset[QStringLiteral("place")] = m_insetPlace->currentText();
        m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Inset, inset));
    });
    connect(m_loop, &QComboBox::activated, this, [this] {
        const QString loop = m_loop->currentText() == None ? QString() : m_loop->currentText();
        m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, QStringLiteral("loop"), loop));
    });
    connect(m_sequence, &QPushButton::clicked, this, &ScreenPanel::chooseSequencePhotographs);
    connect(m_period, &QSpinBox::editingFinished, this, [this] {
        if (m_document.screen(m_screen).value(Sequence).toObject().value(QStringLiteral("periodMs")).toInt() != m_period->value())
            setSequenceField(QStringLiteral("periodMs"), m_period->value());
    });
    connect(m_sequenceSound, &QComboBox::activated, this, [this] {
        setSequenceField(QStringLiteral("sound"), m_sequenceSound->currentText() == None ? QJsonValue() : m_sequenceSound->currentText());
    });
    connect(m_removeSequence, &QPushButton::clicked, this,
            [this] { m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Sequence, QJsonValue())); });
}

void ScreenPanel::showScreen(int screen)
{
    m_screen = screen;
    refresh();
}

void ScreenPanel::refresh()
{
    m_refreshing = true;
    const QJsonObject screen = m_document.screen(m_screen);
    const QJsonObject inset = screen.value(Inset).toObject();
    m_inset->setText(inset.value(QStringLiteral("picture")).toString(None));
    m_insetPlace->setCurrentText(inset.value(QStringLiteral("place")).toString(QStringLiteral("left")));
    m_insetPlace->setEnabled(!inset.isEmpty());
    const QStringList sounds = soundsInCourse(m_document.folder());
    fillSounds(m_loop, sounds, screen.value(QStringLiteral("loop")).toString());
    const QJsonObject sequence = screen.value(Sequence).toObject();
    const qsizetype frames = sequence.value(QStringLiteral("photographs")).toArray().size();
    m_sequence->setText(sequence.isEmpty() ? QStringLiteral("Timed sequence...")
                                           : QStringLiteral("Sequence: %1 photographs...").arg(frames));
    m_period->setValue(sequence.value(QStringLiteral("periodMs")).toInt(2000));
    fillSounds(m_sequenceSound, sounds, sequence.value(QStringLiteral("sound")).toString());
    for (QWidget *part : m_sequenceParts)
        part->setVisible(!sequence.isEmpty());
    setEnabled(!m_document.isReadOnly() && m_screen >= 0);
    m_refreshing = false;
}

QString ScreenPanel::imported(const QString &file, const QString &subfolder)
{
    QString error;
    const QString name = bringIntoCourse(m_document.folder(), file, subfolder, &error);
    if (name.isEmpty())
        emit problem(error);
    return name;
}

void ScreenPanel::chooseInset()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Inset"), m_document.folder(), Pictures);
    const QString name = file.isEmpty() ? QString() : imported(file, QStringLiteral("images"));
    if (name.isEmpty())
        return;
    QJsonObject inset = m_document.screen(m_screen).value(Inset).toObject();
    inset[QStringLiteral("picture")] = name;
    m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Inset, inset));
}

void ScreenPanel::chooseSequencePhotographs()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, QStringLiteral("The sequence's photographs, in order"),
                                                            m_document.folder(), Pictures);
    QJsonArray names;
    for (const QString &file : files) {
        const QString name = imported(file, QStringLiteral("images"));
        if (name.isEmpty())
            return;
        names.append(name);
    }
    if (names.isEmpty())
        return;
    QJsonObject sequence = m_document.screen(m_screen).value(Sequence).toObject();
    if (!sequence.contains(QStringLiteral("periodMs")))
        sequence[QStringLiteral("periodMs")] = m_period->value();
    sequence[QStringLiteral("photographs")] = names;
    m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Sequence, sequence));
}

void ScreenPanel::setSequenceField(const QString &field, const QJsonValue &value)
{
    if (m_refreshing)
        return;
    QJsonObject sequence = m_document.screen(m_screen).value(Sequence).toObject();
    if (value.isNull())
        sequence.remove(field);
    else
        sequence[field] = value;
    m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Sequence, sequence));
}

} // namespace kelvora
