#include "PlacePanel.h"

#include "CourseBuilding.h"
#include "CourseDocument.h"
#include "CourseEdits.h"
#include "CourseFiles.h"
#include "CourseModel.h"
#include "ScreenPanel.h"

#include "content/ContentPath.h"
#include "content/ContentPicture.h"
#include "course/PageControls.h"
#include "platform/SdlSoundPlayer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace kelvora {

namespace {
const QStringList Shapes = {QStringLiteral("rectangle"), QStringLiteral("circle"), QStringLiteral("oval")};

// The photographs a step's presses leave behind, as the course names them.
QStringList pressPhotographs(const QJsonObject &step)
{
    QStringList photographs;
    for (const QJsonValue &photograph : step.value(QStringLiteral("photographs")).toArray())
        photographs << photograph.toString();
    const QString single = step.value(QStringLiteral("photograph")).toString();
    return photographs.isEmpty() && !single.isEmpty() ? QStringList{single} : photographs;
}
} // namespace

QString targetShape(const QJsonObject &target)
{
    for (const QString &shape : Shapes) {
        if (target.contains(shape))
            return shape;
    }
    return {};
}

QJsonObject reshapedTarget(const QJsonObject &target, const QString &shape)
{
    const QString from = targetShape(target);
    const QJsonArray n = target.value(from).toArray();
    QRectF box;
    if (from == QLatin1String("circle")) {
        const double r = n.at(2).toDouble();
        box = QRectF(n.at(0).toDouble() - r, n.at(1).toDouble() - r, 2 * r, 2 * r);
    } else {
        box = QRectF(n.at(0).toDouble(), n.at(1).toDouble(), n.at(2).toDouble(), n.at(3).toDouble());
    }
    if (shape == QLatin1String("circle")) {
        const int r = qRound(std::min(box.width(), box.height()) / 2);
        return {{shape, QJsonArray{qRound(box.center().x()), qRound(box.center().y()), r}}};
    }
    return {{shape, QJsonArray{qRound(box.x()), qRound(box.y()), qRound(box.width()), qRound(box.height())}}};
}

QJsonObject middleTarget(const QString &photographPath)
{
    QSize size = pictureSize(photographPath);
    if (!size.isValid())
        size = LessonPictureSize;
    const int side = std::max(20, std::min(size.width(), size.height()) / 8);
    return {{QStringLiteral("rectangle"),
             QJsonArray{(size.width() - side) / 2, (size.height() - side) / 2, side, side}}};
}

PlacePanel::PlacePanel(CourseDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_id(new QLineEdit), m_shape(new QComboBox), m_sound(new QComboBox), m_presses(new QSpinBox),
      m_play(new QPushButton(tr("&Play"))), m_chooseSound(new QPushButton(tr("Sound file..."))),
      m_photograph(new QLabel), m_choosePhotograph(new QPushButton(tr("Photograph..."))),
      m_stepRow(new QWidget), m_screenPanel(new ScreenPanel(document))
{
    connect(m_screenPanel, &ScreenPanel::problem, this, &PlacePanel::problem);
    m_id->setAccessibleName(tr("Id"));
    m_shape->setAccessibleName(tr("Target shape"));
    m_shape->addItems(Shapes);
    m_sound->setAccessibleName(tr("Sound"));
    m_play->setAccessibleName(tr("Play sound"));
    m_presses->setAccessibleName(tr("Presses"));
    m_presses->setRange(1, 99);
    m_presses->setKeyboardTracking(false);
    m_presses->setToolTip(tr("How often the step is pressed; each press leaves its own photograph"));
    m_photograph->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Two rows, so the photograph keeps the height.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    const auto label = [](const QString &text, QWidget *buddy) {
        auto *caption = new QLabel(text);
        caption->setBuddy(buddy);
        return caption;
    };
    grid->addWidget(label(tr("&Id"), m_id), 0, 0);
    grid->addWidget(m_id, 0, 1);
    grid->addWidget(label(tr("Target"), m_shape), 0, 2);
    grid->addWidget(m_shape, 0, 3);
    grid->addWidget(label(tr("Photograph"), m_choosePhotograph), 0, 4);
    grid->addWidget(m_photograph, 0, 5);
    grid->addWidget(m_choosePhotograph, 0, 6);
    // The second row: a step's sound, or what only a screen has.
    auto *sound = new QHBoxLayout(m_stepRow);
    sound->setContentsMargins(0, 0, 0, 0);
    sound->addWidget(label(tr("Sound"), m_sound));
    sound->addWidget(m_sound, 1);
    sound->addWidget(m_chooseSound);
    sound->addWidget(m_play);
    sound->addSpacing(12);
    sound->addWidget(label(tr("Presses"), m_presses));
    sound->addWidget(m_presses);
    sound->addSpacing(12);
    // The target in numbers, in the photograph's pixels: x, y, width, height (a circle: centre and radius).
    const QString names[] = {tr("&X"), tr("&Y"), tr("&W"), tr("&H")};
    for (int i = 0; i < 4; ++i) {
        auto *number = new QSpinBox;
        number->setRange(0, 99999);
        number->setKeyboardTracking(false);
        m_numberLabels[i] = label(names[i], number);
        sound->addWidget(m_numberLabels[i]);
        sound->addWidget(number);
        m_numbers[i] = number;
        connect(number, &QSpinBox::valueChanged, this, &PlacePanel::setTargetNumbers);
    }
    sound->addStretch(1);
    grid->addWidget(m_stepRow, 1, 0, 1, 7);
    grid->addWidget(m_screenPanel, 1, 0, 1, 7);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(5, 3);

    connect(m_id, &QLineEdit::editingFinished, this, [this] {
        const QString id = m_id->text().trimmed();
        const QString before = m_document.object(m_place).value(QStringLiteral("id")).toString();
        if (id == before)
            return;
        // The course's id is a URI or URN; a screen's or step's is a plain name.
        const QString problem = m_place.screen >= 0
                                    ? CourseModel::idProblem(m_document.authorCourse(),
                                                             m_place.isStep() ? CourseModel::Kind::Step : CourseModel::Kind::Screen,
                                                             m_place.screen, m_place.step, id)
                                : id.isEmpty() || id.contains(QRegularExpression(QStringLiteral("\\s")))
                                    ? tr("'%1': the course's id is a URI or URN, such as urn:example:courses:mine").arg(id)
                                    : QString();
        if (problem.isEmpty()) {
            m_document.undoStack().push(new IdEdit(m_document, m_place, id));
            return;
        }
        m_id->setText(before);
        emit this->problem(problem);
    });
    connect(m_shape, &QComboBox::currentTextChanged, this, &PlacePanel::setShape);
    connect(m_sound, &QComboBox::activated, this, [this] {
        if (m_refreshing || !m_place.isStep())
            return;
        const QString sound = m_sound->currentText() == noSound() ? QString() : m_sound->currentText();
        if (sound != m_document.step(m_place).value(QStringLiteral("sound")).toString())
            m_document.undoStack().push(new SoundEdit(m_document, m_place, sound));
    });
    connect(m_presses, &QSpinBox::valueChanged, this, [this](int presses) {
        if (!m_refreshing)
            setPresses(presses);
    });
    connect(m_chooseSound, &QPushButton::clicked, this, &PlacePanel::chooseSound);
    connect(m_play, &QPushButton::clicked, this, &PlacePanel::playSound);
    connect(m_choosePhotograph, &QPushButton::clicked, this, &PlacePanel::choosePhotograph);
    showPlace({});
}

PlacePanel::~PlacePanel() = default;

void PlacePanel::showPlace(CoursePlace place)
{
    m_place = place;
    refresh();
}

void PlacePanel::refresh()
{
    m_refreshing = true;
    const bool editable = !m_document.isReadOnly();
    const QJsonObject object = m_document.object(m_place);
    m_id->setText(object.value(QStringLiteral("id")).toString());
    m_id->setEnabled(editable);
    m_shape->setCurrentText(targetShape(object.value(QStringLiteral("target")).toObject()));
    m_shape->setEnabled(editable && m_place.isStep());
    const QString sound = object.value(QStringLiteral("sound")).toString();
    fillSoundBox(m_sound, soundsInCourse(m_document.folder()), m_place.isStep() ? sound : QString());
    for (QWidget *w : {static_cast<QWidget *>(m_sound), static_cast<QWidget *>(m_chooseSound)})
        w->setEnabled(editable && m_place.isStep());
    m_play->setEnabled(m_place.isStep() && !sound.isEmpty());
    m_photograph->setText(m_place.isStep() ? pressPhotographs(object).join(QStringLiteral(", "))
                          : m_place.isScreen() ? object.value(QStringLiteral("photograph")).toString() : QString());
    m_presses->setValue(std::max(1, object.value(QStringLiteral("presses")).toInt(1)));
    m_presses->setEnabled(editable && m_place.isStep());
    const QJsonObject target = object.value(QStringLiteral("target")).toObject();
    const QString shape = targetShape(target);
    const bool circle = shape == QLatin1String("circle");
    const QStringList captions = circle ? QStringList{tr("&X"), tr("&Y"), tr("&R"), QString()}
                                        : QStringList{tr("&X"), tr("&Y"), tr("&W"), tr("&H")};
    for (int i = 0; i < 4; ++i) {
        m_numbers[i]->setValue(target.value(shape).toArray().at(i).toInt());
        m_numbers[i]->setEnabled(editable && m_place.isStep() && !shape.isEmpty());
        m_numbers[i]->setVisible(!(circle && i == 3));
        m_numberLabels[i]->setVisible(!(circle && i == 3));
        m_numberLabels[i]->setText(captions[i]);
    }
    m_choosePhotograph->setEnabled(editable && m_place.screen >= 0);
    m_stepRow->setVisible(!m_place.isScreen());
    m_screenPanel->setVisible(m_place.isScreen());
    if (m_place.isScreen())
        m_screenPanel->showScreen(m_place.screen);
    m_choosePhotograph->setToolTip(m_place.isStep() ? tr("The photograph the press leaves behind, or one per press")
                                                    : tr("The screen's photograph"));
    m_refreshing = false;
}

void PlacePanel::setTargetNumbers()
{
    if (m_refreshing || !m_place.isStep() || m_document.isReadOnly())
        return;
    const QJsonObject target = m_document.step(m_place).value(QStringLiteral("target")).toObject();
    const QString shape = targetShape(target);
    if (shape.isEmpty())
        return;
    QJsonArray numbers;
    for (int i = 0; i < (shape == QLatin1String("circle") ? 3 : 4); ++i)
        numbers.append(m_numbers[i]->value());
    const QJsonObject changed{{shape, numbers}};
    if (changed != target)
        m_document.undoStack().push(new TargetEdit(m_document, m_place, changed));
}

void PlacePanel::setShape(const QString &shape)
{
    if (m_refreshing || !m_place.isStep())
        return;
    const QJsonObject target = m_document.step(m_place).value(QStringLiteral("target")).toObject();
    if (targetShape(target) != shape && !targetShape(target).isEmpty())
        m_document.undoStack().push(new TargetEdit(m_document, m_place, reshapedTarget(target, shape)));
}

void PlacePanel::usePhotograph(const QString &path)
{
    if (!path.isEmpty())
        usePhotographs({path});
}

void PlacePanel::usePhotographs(const QStringList &paths)
{
    if (m_place.screen < 0 || m_document.isReadOnly() || paths.isEmpty() || (m_place.isScreen() && paths.size() > 1))
        return;
    QStringList names;
    for (const QString &path : paths) {
        QString error;
        names << m_document.bringIn(path, QStringLiteral("images"), &error);
        if (names.last().isEmpty()) {
            emit problem(error);
            return;
        }
    }
    if (m_place.isStep()) {
        m_document.undoStack().push(new PressesEdit(m_document, m_place, names));
        return;
    }
    // A screen's photograph replaced by one of another size keeps its targets where they were on it.
    const QString before = m_document.screen(m_place.screen).value(QStringLiteral("photograph")).toString();
    const QSize from = before.isEmpty() ? QSize() : pictureSize(m_document.pathOf(before));
    const QSize to = pictureSize(m_document.pathOf(names.first()));
    if (!from.isValid() || !to.isValid() || from == to) {
        m_document.undoStack().push(new PhotographEdit(m_document, m_place, names.first()));
        return;
    }
    QJsonObject screen = m_document.screen(m_place.screen);
    screen[QStringLiteral("photograph")] = names.first();
    const QJsonObject course = withScreenTargetsScaled(CourseDocument::withObject(m_document.course(), m_place, screen),
                                                       m_place.screen, from, to);
    m_document.undoStack().push(new WholeCourseEdit(m_document, course, tr("Replace photograph"), m_place));
}

void PlacePanel::setPresses(int presses)
{
    if (!m_place.isStep() || m_document.isReadOnly())
        return;
    QStringList photographs = pressPhotographs(m_document.step(m_place));
    if (presses == std::max(qsizetype(1), photographs.size()))
        return;
    const QString last = photographs.isEmpty() ? m_document.photographBefore(m_place) : photographs.last();
    photographs.resize(std::min(photographs.size(), qsizetype(presses)));
    while (photographs.size() < presses)
        photographs << last;
    m_document.undoStack().push(new PressesEdit(m_document, m_place, photographs));
}

void PlacePanel::useSound(const QString &path)
{
    if (!m_place.isStep() || m_document.isReadOnly())
        return;
    QString error;
    const QString name = m_document.bringIn(path, QStringLiteral("sounds"), &error);
    if (name.isEmpty())
        emit problem(error);
    else
        m_document.undoStack().push(new SoundEdit(m_document, m_place, name));
}

void PlacePanel::choosePhotograph()
{
    if (!m_choosePhotograph->isEnabled())
        return;
    if (m_place.isStep())
        usePhotographs(choosePhotographs(this, tr("Photograph the press leaves behind, or one per press")));
    else
        usePhotographs(choosePhotographs(this, tr("Photograph"), false));
}

void PlacePanel::chooseSound()
{
    if (!m_chooseSound->isEnabled())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Sound"), m_document.folder(),
                                                      tr("Sounds (*.wav);;All files (*)"));
    if (!path.isEmpty())
        useSound(path);
}

void PlacePanel::playSound()
{
    const QString sound = m_document.object(m_place).value(QStringLiteral("sound")).toString();
    if (sound.isEmpty())
        return;
    if (!m_preview)
        m_preview = std::make_unique<SdlSoundPlayer>(
            [&document = m_document](const QString &name) { return resolveContentPath(name, document.folder()); });
    m_preview->play(sound.toStdString(), NoModule, SoundAsync);
}

} // namespace kelvora
