#include "ScreenPanel.h"

#include "CourseDocument.h"
#include "CourseEdits.h"
#include "CourseFiles.h"
#include "CourseModel.h"
#include "PlacePanel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const QString Inset = QStringLiteral("inset");
const QString Sequence = QStringLiteral("sequence");
const QString PointAt = QStringLiteral("pointAt");
const QString Targets = QStringLiteral("targets");
const QString Watch = QStringLiteral("watch");

QLabel *caption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
} // namespace

ScreenPanel::ScreenPanel(CourseDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_inset(new QLabel), m_insetPlace(new QComboBox), m_loop(new QComboBox),
      m_sequence(new QPushButton(tr("Sequence..."))), m_period(new QSpinBox), m_sequenceSound(new QComboBox),
      m_removeSequence(new QPushButton(tr("Remove"))), m_lookList(new QComboBox), m_groupId(new QLineEdit),
      m_lookShape(new QComboBox), m_addTarget(new QPushButton(tr("Add target"))),
      m_deleteTarget(new QPushButton(tr("Delete target"))),
      m_deleteGroup(new QPushButton(tr("Delete group"))),
      m_addWatch(new QPushButton(tr("Watch target")))
{
    auto *choose = new QPushButton(tr("Inset..."));
    m_insetPlace->addItems({QStringLiteral("left"), QStringLiteral("right")});
    m_insetPlace->setAccessibleName(tr("Inset place"));
    m_loop->setAccessibleName(tr("Engine loop"));
    m_sequence->setToolTip(tr("The timed sequence's photographs, shown one per period after the last step"));
    m_period->setRange(100, 60000);
    m_period->setSingleStep(100);
    m_period->setSuffix(tr(" ms"));
    m_period->setAccessibleName(tr("Sequence period"));
    m_sequenceSound->setAccessibleName(tr("Sequence sound"));

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(caption(tr("Inset"), choose));
    row->addWidget(m_inset, 1);
    row->addWidget(choose);
    row->addWidget(m_insetPlace);
    row->addSpacing(12);
    row->addWidget(caption(tr("Loop"), m_loop));
    row->addWidget(m_loop, 1);
    row->addSpacing(12);
    row->addWidget(m_sequence);
    row->addWidget(m_period);
    auto *soundCaption = caption(tr("Sound"), m_sequenceSound);
    row->addWidget(soundCaption);
    row->addWidget(m_sequenceSound, 1);
    row->addWidget(m_removeSequence);

    m_sequenceParts = {m_period, soundCaption, m_sequenceSound, m_removeSequence};

    // The targets that only show something: the look-only groups', and the one the sequence watches.
    auto *addGroup = new QPushButton(tr("Add group"));
    m_lookList->setAccessibleName(tr("Look-only target"));
    m_lookList->setToolTip(QStringLiteral("The target to place on the photograph: a look-only group's, blinking with its "
                                          "group from the screen's load, or the one the sequence watches"));
    m_groupId->setAccessibleName(tr("Group id"));
    m_lookShape->setAccessibleName(tr("Look-only target shape"));
    m_lookShape->addItems({QStringLiteral("rectangle"), QStringLiteral("circle"), QStringLiteral("oval")});
    auto *looks = new QHBoxLayout;
    rows->addLayout(looks);
    looks->addWidget(caption(tr("Looks"), m_lookList));
    looks->addWidget(m_lookList, 2);
    looks->addWidget(caption(tr("group id"), m_groupId));
    looks->addWidget(m_groupId, 1);
    looks->addWidget(m_lookShape);
    looks->addWidget(addGroup);
    looks->addWidget(m_addTarget);
    looks->addWidget(m_deleteTarget);
    looks->addWidget(m_deleteGroup);
    looks->addWidget(m_addWatch);
    connect(m_lookList, &QComboBox::activated, this, [this] {
        const QPoint look = m_lookList->currentData().toPoint();
        selectLook({look.x(), look.y()});
    });
    connect(m_groupId, &QLineEdit::editingFinished, this, &ScreenPanel::renameGroup);
    connect(m_lookShape, &QComboBox::activated, this, [this] { reshapeLook(m_lookShape->currentText()); });
    connect(addGroup, &QPushButton::clicked, this, &ScreenPanel::addGroup);
    connect(m_addTarget, &QPushButton::clicked, this, &ScreenPanel::addGroupTarget);
    connect(m_deleteTarget, &QPushButton::clicked, this, &ScreenPanel::deleteLookTarget);
    connect(m_deleteGroup, &QPushButton::clicked, this, &ScreenPanel::deleteGroup);
    connect(m_addWatch, &QPushButton::clicked, this, &ScreenPanel::addWatch);
    connect(choose, &QPushButton::clicked, this, &ScreenPanel::chooseInset);
    connect(m_insetPlace, &QComboBox::activated, this, [this] {
        QJsonObject inset = m_document.screen(m_screen).value(Inset).toObject();
        inset[QStringLiteral("place")] = m_insetPlace->currentText();
        m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Inset, inset));
    });
    connect(m_loop, &QComboBox::activated, this, [this] {
        const QString loop = m_loop->currentText() == noSound() ? QString() : m_loop->currentText();
        m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, QStringLiteral("loop"), loop));
    });
    connect(m_sequence, &QPushButton::clicked, this, &ScreenPanel::chooseSequencePhotographs);
    connect(m_period, &QSpinBox::editingFinished, this, [this] {
        if (m_document.screen(m_screen).value(Sequence).toObject().value(QStringLiteral("periodMs")).toInt() != m_period->value())
            setSequenceField(QStringLiteral("periodMs"), m_period->value());
    });
    connect(m_sequenceSound, &QComboBox::activated, this, [this] {
        setSequenceField(QStringLiteral("sound"), m_sequenceSound->currentText() == noSound() ? QJsonValue() : m_sequenceSound->currentText());
    });
    connect(m_removeSequence, &QPushButton::clicked, this,
            [this] { m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Sequence, QJsonValue())); });
}

void ScreenPanel::showScreen(int screen)
{
    if (screen != m_screen)
        m_look = {};
    m_screen = screen;
    refresh();
}

void ScreenPanel::refresh()
{
    m_refreshing = true;
    const QJsonObject screen = m_document.screen(m_screen);
    const QJsonObject inset = screen.value(Inset).toObject();
    m_inset->setText(inset.value(QStringLiteral("picture")).toString(tr("(none)")));
    m_insetPlace->setCurrentText(inset.value(QStringLiteral("place")).toString(QStringLiteral("left")));
    m_insetPlace->setEnabled(!inset.isEmpty());
    const QStringList sounds = soundsInCourse(m_document.folder());
    fillSoundBox(m_loop, sounds, screen.value(QStringLiteral("loop")).toString());
    const QJsonObject sequence = screen.value(Sequence).toObject();
    const qsizetype frames = sequence.value(QStringLiteral("photographs")).toArray().size();
    m_sequence->setText(sequence.isEmpty() ? tr("Timed sequence...")
                                           : tr("Sequence: %1 photographs...").arg(frames));
    m_period->setValue(sequence.value(QStringLiteral("periodMs")).toInt(2000));
    fillSoundBox(m_sequenceSound, sounds, sequence.value(QStringLiteral("sound")).toString());
    for (QWidget *part : m_sequenceParts)
        part->setVisible(!sequence.isEmpty());
    refreshLooks();
    setEnabled(!m_document.isReadOnly() && m_screen >= 0);
    m_refreshing = false;
}

void ScreenPanel::refreshLooks()
{
    const QJsonObject screen = m_document.screen(m_screen);
    const QJsonArray groups = screen.value(PointAt).toArray();
    const QJsonObject sequence = screen.value(Sequence).toObject();
    // A look the course no longer has (undone, deleted) is let go, or the group's last target taken instead.
    const int inGroup = m_look.group >= 0 ? int(groups.at(m_look.group)[Targets].toArray().size()) : 0;
    if (m_look.group >= 0 && m_look.target >= inGroup)
        m_look = inGroup > 0 ? LookTarget{m_look.group, inGroup - 1} : LookTarget{};
    if (m_look.isWatch() && !sequence.contains(Watch))
        m_look = {};
    m_lookList->clear();
    m_lookList->addItem(tr("(the steps' targets)"), QPoint(LookTarget::None, 0));
    for (int g = 0; g < groups.size(); ++g) {
        const QString id = groups.at(g)[QStringLiteral("id")].toString();
        const qsizetype count = groups.at(g)[Targets].toArray().size();
        for (int t = 0; t < count; ++t)
            m_lookList->addItem(tr("group %1: target %2 of %3").arg(id).arg(t + 1).arg(count), QPoint(g, t));
    }
    if (sequence.contains(Watch))
        m_lookList->addItem(tr("watched by the sequence"), QPoint(LookTarget::Watch, 0));
    m_lookList->setCurrentIndex(std::max(0, m_lookList->findData(QPoint(m_look.group, m_look.target))));
    const bool group = m_look.group >= 0;
    m_groupId->setText(group ? groups.at(m_look.group)[QStringLiteral("id")].toString() : QString());
    m_groupId->setEnabled(group);
    const QList<QJsonObject> targets = lookTargets();
    m_lookShape->setCurrentIndex(targets.isEmpty() ? -1 : m_lookShape->findText(targetShape(targets.at(m_look.target))));
    m_lookShape->setEnabled(!targets.isEmpty());
    m_addTarget->setEnabled(group);
    m_deleteTarget->setEnabled(!m_look.isNone());
    m_deleteGroup->setEnabled(group);
    m_addWatch->setEnabled(!sequence.isEmpty() && !sequence.contains(Watch));
}

void ScreenPanel::selectLook(LookTarget look)
{
    m_look = look;
    if (!m_refreshing) {
        m_refreshing = true;
        refreshLooks();
        m_refreshing = false;
    }
    emit lookSelected();
}

QList<QJsonObject> ScreenPanel::lookTargets() const
{
    const QJsonObject screen = m_document.screen(m_screen);
    if (m_look.isWatch())
        return {screen.value(Sequence)[Watch].toObject()};
    QList<QJsonObject> targets;
    if (m_look.group >= 0) {
        for (const QJsonValue &target : screen.value(PointAt)[m_look.group][Targets].toArray())
            targets << target.toObject();
    }
    return targets;
}

QString ScreenPanel::lookPhotograph() const
{
    // The watched target lies on the sequence's photographs; the groups blink on the screen's own.
    const QJsonObject screen = m_document.screen(m_screen);
    const QString first = screen.value(Sequence)[QStringLiteral("photographs")][0].toString();
    if (m_look.isWatch() && !first.isEmpty())
        return first;
    const int steps = m_look.isWatch() ? int(screen.value(QStringLiteral("steps")).toArray().size()) : 0;
    return m_document.photographBefore({m_screen, steps});
}

void ScreenPanel::pushLookTarget(LookTarget at, const QJsonObject &target)
{
    m_document.undoStack().push(new LookTargetEdit(m_document, m_screen, at, target));
}

void ScreenPanel::editLookTarget(int index, const QJsonObject &target)
{
    const LookTarget at{m_look.group, index};
    const QList<QJsonObject> targets = lookTargets();
    if (!m_look.isNone() && index < targets.size() && targets.at(index) != target)
        pushLookTarget(at, target);
}

void ScreenPanel::reshapeLook(const QString &shape)
{
    const QList<QJsonObject> targets = lookTargets();
    if (!m_refreshing && !targets.isEmpty() && targetShape(targets.at(m_look.target)) != shape)
        pushLookTarget(m_look, reshapedTarget(targets.at(m_look.target), shape));
}

void ScreenPanel::addGroup()
{
    const QJsonArray groups = m_document.screen(m_screen).value(PointAt).toArray();
    m_look = {int(groups.size()), 0};
    const QJsonObject group{{QStringLiteral("id"), freshId(groups, QStringLiteral("group"))},
                            {Targets, QJsonArray{middleTarget(m_document.pathOf(lookPhotograph()))}}};
    m_document.undoStack().push(new GroupEdit(m_document, m_screen, m_look.group, group));
}

void ScreenPanel::addGroupTarget()
{
    if (m_look.group < 0)
        return;
    m_look.target = int(lookTargets().size());
    pushLookTarget(m_look, middleTarget(m_document.pathOf(lookPhotograph())));
}

void ScreenPanel::deleteGroup()
{
    if (m_look.group < 0)
        return;
    const int group = m_look.group;
    m_look = {};
    m_document.undoStack().push(new GroupEdit(m_document, m_screen, group, {}));
}

void ScreenPanel::addWatch()
{
    if (!m_document.screen(m_screen).contains(Sequence))
        return;
    m_look = {LookTarget::Watch, 0};
    pushLookTarget(m_look, middleTarget(m_document.pathOf(lookPhotograph())));
}

void ScreenPanel::deleteLookTarget()
{
    if (m_look.isNone())
        return;
    // A group is never left without a target.
    if (m_look.group >= 0 && lookTargets().size() == 1) {
        deleteGroup();
        return;
    }
    const LookTarget deleted = m_look;
    m_look = deleted.target > 0 ? LookTarget{deleted.group, deleted.target - 1} : LookTarget{};
    pushLookTarget(deleted, {});
}

void ScreenPanel::renameGroup()
{
    const QJsonArray groups = m_document.screen(m_screen).value(PointAt).toArray();
    if (m_refreshing || m_look.group < 0 || m_look.group >= groups.size())
        return;
    QJsonObject group = groups.at(m_look.group).toObject();
    const QString before = group.value(QStringLiteral("id")).toString();
    const QString id = m_groupId->text().trimmed();
    if (id == before)
        return;
    const QString why = CourseModel::idProblem(m_document.authorCourse(), CourseModel::Kind::Group, m_screen, m_look.group, id);
    if (!why.isEmpty()) {
        m_groupId->setText(before);
        emit problem(why);
        return;
    }
    group[QStringLiteral("id")] = id;
    m_document.undoStack().push(new GroupEdit(m_document, m_screen, m_look.group, group));
}

QString ScreenPanel::imported(const QString &file, const QString &subfolder)
{
    QString error;
    const QString name = m_document.bringIn(file, subfolder, &error);
    if (name.isEmpty())
        emit problem(error);
    return name;
}

void ScreenPanel::chooseInset()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Inset"), m_document.folder(), picturesFilter());
    if (!file.isEmpty())
        useInset(file);
}

void ScreenPanel::useInset(const QString &file)
{
    const QString name = imported(file, QStringLiteral("images"));
    if (name.isEmpty())
        return;
    QJsonObject inset = m_document.screen(m_screen).value(Inset).toObject();
    inset[QStringLiteral("picture")] = name;
    // Written out, as the place box shows it.
    if (!inset.contains(QStringLiteral("place")))
        inset[QStringLiteral("place")] = m_insetPlace->currentText();
    m_document.undoStack().push(new FieldEdit(m_document, {m_screen, -1}, Inset, inset));
}

void ScreenPanel::chooseSequencePhotographs()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("The sequence's photographs, in order"),
                                                            m_document.folder(), picturesFilter());
    useSequencePhotographs(files);
}

void ScreenPanel::useSequencePhotographs(const QStringList &files)
{
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
