#include "EditorWindow.h"

#include "ChecksPanel.h"
#include "CourseEdits.h"
#include "OutlineView.h"
#include "PhotographView.h"
#include "PlacePanel.h"
#include "ScreenPanel.h"
#include "TextsTable.h"
#include "TrainerLauncher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace kelvora {

namespace {
QDockWidget *dock(QMainWindow *window, const QString &title, QWidget *content, Qt::DockWidgetArea area)
{
    auto *dock = new QDockWidget(title, window);
    dock->setObjectName(title);
    dock->setWidget(content);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    window->addDockWidget(area, dock);
    return dock;
}
} // namespace

EditorWindow::EditorWindow()
    : m_outline(new OutlineView(m_document)), m_view(new PhotographView), m_placePanel(new PlacePanel(m_document)),
      m_texts(new TextsTable(m_document)), m_checks(new ChecksPanel(m_document)), m_banner(new QLabel),
      m_playLanguage(new QComboBox)
{
    setObjectName(QStringLiteral("KelvoraEditor"));
    m_view->setAccessibleName(QStringLiteral("Photograph"));
    // The docks' sizes at the smallest screens it is made for (1366 x 768).
    m_outline->setMinimumWidth(270);
    m_texts->setMinimumHeight(190);
    m_checks->setMinimumWidth(300);
    m_banner->setWordWrap(true);
    m_banner->setStyleSheet(QStringLiteral("background: #fff3c4; color: #5a4500; padding: 6px;"));
    m_banner->hide();

    auto *centre = new QWidget;
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_placePanel);
    setCentralWidget(centre);
    QDockWidget *outline = dock(this, QStringLiteral("Outline"), m_outline, Qt::LeftDockWidgetArea);
    QDockWidget *texts = dock(this, QStringLiteral("Texts"), m_texts, Qt::BottomDockWidgetArea);
    QDockWidget *checks = dock(this, QStringLiteral("Checks"), m_checks, Qt::BottomDockWidgetArea);
    resizeDocks({outline, texts, checks}, {300, 800, 360}, Qt::Horizontal);
    resizeDocks({texts}, {200}, Qt::Vertical);
    buildActions();

    connect(&m_document, &CourseDocument::changed, this, &EditorWindow::courseChanged, Qt::QueuedConnection);
    connect(&m_document.undoStack(), &QUndoStack::cleanChanged, this, &EditorWindow::updateTitle);
    connect(&m_document, &CourseDocument::saved, this, &EditorWindow::updateTitle);
    connect(m_outline, &OutlineView::placeSelected, this, &EditorWindow::select);
    connect(m_outline, &OutlineView::moveRequested, this, [this](CoursePlace from, int to) {
        if (!m_document.isReadOnly() && (from.step < 0 ? from.screen : from.step) != to)
            m_document.undoStack().push(new MoveEdit(m_document, from, to));
    });
    connect(m_checks, &ChecksPanel::placeRequested, this, &EditorWindow::select);
    connect(m_checks, &ChecksPanel::checked, this, [this](int findings) {
        statusBar()->showMessage(findings ? QStringLiteral("%1 finding(s)").arg(findings) : QStringLiteral("No problems found"));
    });
    connect(m_placePanel, &PlacePanel::problem, this, &EditorWindow::reportProblem);
    connect(m_view, &PhotographView::photographDropped, m_placePanel, &PlacePanel::usePhotograph);
    connect(m_placePanel->screenPanel(), &ScreenPanel::lookSelected, this, &EditorWindow::showSelection);
    connect(m_view, &PhotographView::targetEdited, this, [this](int index, const QJsonObject &target) {
        ScreenPanel *screen = m_placePanel->screenPanel();
        if (m_place.isScreen() && !screen->look().isNone()) {
            if (!m_document.isReadOnly())
                screen->editLookTarget(index, target);
            return;
        }
        const CoursePlace step{m_place.screen, index};
        if (!m_document.isReadOnly() && m_place.screen >= 0 &&
            m_document.step(step).value(QStringLiteral("target")).toObject() != target)
            m_document.undoStack().push(new TargetEdit(m_document, step, target));
    });
}

void EditorWindow::buildActions()
{
    const auto action = [this](QMenu *menu, const QString &text, const QKeySequence &keys, auto slot) {
        QAction *a = menu->addAction(text);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    action(file, QStringLiteral("&Open..."), QKeySequence::Open, &EditorWindow::openDialog);
    QAction *saveAction = action(file, QStringLiteral("&Save"), QKeySequence::Save, [this] { save(); });
    file->addSeparator();
    action(file, QStringLiteral("&Quit"), QKeySequence::Quit, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction *undo = m_document.undoStack().createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_document.undoStack().createRedoAction(this);
    redo->setShortcuts({QKeySequence::Redo, QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    m_editActions = {
        action(edit, QStringLiteral("Add scr&een"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), &EditorWindow::addScreen),
        action(edit, QStringLiteral("Add s&tep"), QKeySequence(QStringLiteral("Ctrl+Shift+T")), &EditorWindow::addStep),
        action(edit, QStringLiteral("&Duplicate"), QKeySequence(QStringLiteral("Ctrl+D")),
               [this] {
                   if (m_place.screen >= 0)
                       m_document.undoStack().push(new DuplicateEdit(m_document, m_place));
               }),
        action(edit, QStringLiteral("De&lete"), QKeySequence(QStringLiteral("Ctrl+Del")),
               [this] {
                   if (m_place.screen >= 0)
                       m_document.undoStack().push(new DeleteEdit(m_document, m_place));
               }),
        action(edit, QStringLiteral("Move &up"), QKeySequence(QStringLiteral("Ctrl+Shift+Up")), [this] { moveSelected(-1); }),
        action(edit, QStringLiteral("Move do&wn"), QKeySequence(QStringLiteral("Ctrl+Shift+Down")),
               [this] { moveSelected(1); }),
        action(edit, QStringLiteral("&Photograph..."), QKeySequence(QStringLiteral("Ctrl+Shift+P")),
               [this] { m_placePanel->choosePhotograph(); }),
        action(edit, QStringLiteral("S&ound file..."), QKeySequence(QStringLiteral("Ctrl+Shift+O")),
               [this] { m_placePanel->chooseSound(); }),
        action(edit, QStringLiteral("Add &language..."), QKeySequence(QStringLiteral("Ctrl+Shift+L")),
               &EditorWindow::addLanguage),
    };
    m_editActions << saveAction;

    QMenu *go = menuBar()->addMenu(QStringLiteral("&Go"));
    action(go, QStringLiteral("&Outline"), QKeySequence(QStringLiteral("Ctrl+1")), [this] { m_outline->setFocus(); });
    action(go, QStringLiteral("P&hotograph"), QKeySequence(QStringLiteral("Ctrl+2")), [this] { m_view->setFocus(); });
    action(go, QStringLiteral("&Texts"), QKeySequence(QStringLiteral("Ctrl+3")), [this] {
        // The place's own text: the step's, else the screen's.
        m_texts->setFocus();
        m_texts->setCurrentCell(m_place.isStep() ? 3 : (m_place.isScreen() ? 1 : 0), 0);
    });
    action(go, QStringLiteral("&Checks"), QKeySequence(QStringLiteral("Ctrl+4")), [this] { m_checks->setFocus(); });
    action(go, QStringLiteral("Play s&ound"), QKeySequence(QStringLiteral("Ctrl+P")), [this] { m_placePanel->playSound(); });
    QAction *play = action(go, QStringLiteral("Play from &here"), QKeySequence(QStringLiteral("F5")),
                           &EditorWindow::playFromHere);

    QToolBar *bar = addToolBar(QStringLiteral("Course"));
    bar->setObjectName(QStringLiteral("Course"));
    bar->addAction(undo);
    bar->addAction(redo);
    bar->addSeparator();
    for (QAction *a : m_editActions.mid(0, 4))
        bar->addAction(a);
    bar->addSeparator();
    bar->addAction(play);
    m_playLanguage->setAccessibleName(QStringLiteral("Language to play in"));
    bar->addWidget(m_playLanguage);
}

QString EditorWindow::openCourse(const QString &fileOrFolder)
{
    const QString error = m_document.open(fileOrFolder);
    if (!error.isEmpty())
        return error;
    m_banner->setText(m_document.readOnlyReason());
    m_banner->setVisible(m_document.isReadOnly());
    for (QAction *a : std::as_const(m_editActions))
        a->setEnabled(!m_document.isReadOnly());
    m_place = m_document.screens().isEmpty() ? CoursePlace{} : CoursePlace{0, -1};
    courseChanged(m_place);
    updateTitle();
    return {};
}

bool EditorWindow::save()
{
    const QString error = m_document.save();
    if (!error.isEmpty()) {
        reportProblem(error);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Saved %1").arg(m_document.file()), 4000);
    return true;
}

void EditorWindow::courseChanged(CoursePlace place)
{
    // An edit of the course, or of the screen while one of its steps is selected, keeps the selection.
    const int steps = int(m_document.screen(place.screen).value(QStringLiteral("steps")).toArray().size());
    const bool ofScreen = place.isScreen() && m_place.screen == place.screen && m_place.isStep() && m_place.step < steps;
    if (!ofScreen && place.screen >= 0)
        m_place = place;
    if (m_place.screen >= int(m_document.screens().size()))
        m_place = {};
    m_outline->rebuild();
    const QString current = m_playLanguage->currentText();
    m_playLanguage->clear();
    m_playLanguage->addItems(m_document.languageTags());
    if (!current.isEmpty())
        m_playLanguage->setCurrentText(current);
    showSelection();
    m_checks->recheck();
    updateTitle();
}

void EditorWindow::select(CoursePlace place)
{
    m_place = place;
    showSelection();
}

void EditorWindow::showSelection()
{
    m_outline->select(m_place);
    m_texts->showPlace(m_place);
    m_placePanel->showPlace(m_place);
    if (m_place.screen < 0) {
        m_view->setPhotograph({});
        m_view->setTargets({}, -1);
        m_view->setInsetPlace({});
        return;
    }
    const QJsonObject screen = m_document.screen(m_place.screen);
    const ScreenPanel *looks = m_placePanel->screenPanel();
    if (m_place.isScreen() && !looks->look().isNone()) {
        // A look-only group's targets, or the watched one, edited on the photograph they blink on.
        m_view->setPhotograph(m_document.pathOf(looks->lookPhotograph()));
        m_view->setTargets(looks->lookTargets(), m_document.isReadOnly() ? -1 : looks->look().target);
    } else {
        m_view->setPhotograph(m_document.pathOf(m_document.photographBefore({m_place.screen, std::max(0, m_place.step)})));
        QList<QJsonObject> targets;
        for (const QJsonValue &step : screen.value(QStringLiteral("steps")).toArray())
            targets << step.toObject().value(QStringLiteral("target")).toObject();
        // On the screen, its look-only groups' targets are shown faint with the steps'.
        const QJsonArray groups = m_place.isScreen() ? screen.value(QStringLiteral("pointAt")).toArray() : QJsonArray();
        for (const QJsonValue &group : groups) {
            for (const QJsonValue &target : group[QStringLiteral("targets")].toArray())
                targets << target.toObject();
        }
        m_view->setTargets(targets, m_document.isReadOnly() ? -1 : m_place.step);
    }
    const QJsonObject inset = screen.value(QStringLiteral("inset")).toObject();
    m_view->setInsetPlace(screen.contains(QStringLiteral("inset"))
                              ? inset.value(QStringLiteral("place")).toString(QStringLiteral("left"))
                              : QString());
}

void EditorWindow::addScreen()
{
    const QJsonObject screen{{QStringLiteral("id"), QStringLiteral("screen-%1").arg(m_document.screens().size() + 1)}};
    m_document.undoStack().push(new AddEdit(m_document, {m_place.screen, -1}, false, screen));
}

void EditorWindow::addStep()
{
    if (m_place.screen < 0)
        return;
    const int steps = int(m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray().size());
    const CoursePlace after{m_place.screen, m_place.isStep() ? m_place.step : steps - 1};
    const QJsonObject step{
        {QStringLiteral("id"), QStringLiteral("step-%1").arg(steps + 1)},
        {QStringLiteral("target"),
         middleTarget(m_document.pathOf(m_document.photographBefore({m_place.screen, after.step + 1})))},
    };
    m_document.undoStack().push(new AddEdit(m_document, after, true, step));
}

void EditorWindow::moveSelected(int by)
{
    if (m_place.screen < 0)
        return;
    const int from = m_place.isStep() ? m_place.step : m_place.screen;
    const int count = int(m_place.isStep() ? m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray().size()
                                           : m_document.screens().size());
    if (from + by >= 0 && from + by < count)
        m_document.undoStack().push(new MoveEdit(m_document, m_place, from + by));
}

void EditorWindow::addLanguage()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Add a language"));
    auto *tag = new QLineEdit;
    tag->setAccessibleName(QStringLiteral("Language tag"));
    tag->setPlaceholderText(QStringLiteral("de, pt-BR ..."));
    auto *name = new QLineEdit;
    name->setAccessibleName(QStringLiteral("Language name"));
    name->setPlaceholderText(QStringLiteral("Deutsch"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("&Tag"), tag);
    form->addRow(QStringLiteral("&Name on the start screen"), name);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString newTag = tag->text().trimmed();
    static const QRegularExpression wellFormed(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
    if (!wellFormed.match(newTag).hasMatch() || m_document.languageTags().contains(newTag, Qt::CaseInsensitive)) {
        reportProblem(QStringLiteral("'%1' is not a new language tag (such as de or pt-BR)").arg(newTag));
        return;
    }
    m_document.undoStack().push(
        new AddLanguageEdit(m_document, newTag, name->text().trimmed().isEmpty() ? newTag : name->text().trimmed()));
}

void EditorWindow::playFromHere()
{
    if (m_document.screens().isEmpty()) {
        reportProblem(QStringLiteral("The course has no screen to play yet."));
        return;
    }
    if (m_document.isModified() && !save())
        return;
    const QString error =
        playInTrainer(m_document.file(), std::max(0, m_place.screen) + 1, m_playLanguage->currentText());
    if (!error.isEmpty())
        reportProblem(error);
}

void EditorWindow::openDialog()
{
    if (!askToSave())
        return;
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Open a course"), m_document.folder(),
                                                      QStringLiteral("Courses (*.json)"));
    if (file.isEmpty())
        return;
    const QString error = openCourse(file);
    if (!error.isEmpty())
        reportProblem(error);
}

bool EditorWindow::askToSave()
{
    if (!m_document.isModified() || m_document.isReadOnly())
        return true;
    const auto answer = QMessageBox::warning(
        this, QStringLiteral("Unsaved changes"),
        QStringLiteral("%1 has changes that are not saved.").arg(QFileInfo(m_document.file()).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (askToSave())
        event->accept();
    else
        event->ignore();
}

void EditorWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The docks grow with the window (maximized at start) from the sizes that fit 1366 x 768; the author's own
    // sizes stay until the window grows much larger.
    if (width() < m_docksSizedFor + 200)
        return;
    m_docksSizedFor = width();
    resizeDocks({qobject_cast<QDockWidget *>(m_outline->parentWidget())}, {std::max(270, width() / 5)}, Qt::Horizontal);
    resizeDocks({qobject_cast<QDockWidget *>(m_texts->parentWidget())}, {std::max(190, height() / 4)}, Qt::Vertical);
}

void EditorWindow::updateTitle()
{
    const QFileInfo file(m_document.file());
    setWindowTitle(QStringLiteral("%1[*] - %2%3 - KELVORA course editor")
                       .arg(file.fileName(), file.absolutePath(),
                            m_document.isReadOnly() ? QStringLiteral(" (read-only)") : QString()));
    setWindowModified(m_document.isModified() && !m_document.isReadOnly());
}

void EditorWindow::reportProblem(const QString &message)
{
    statusBar()->showMessage(message, 10000);
    QMessageBox::warning(this, QStringLiteral("KELVORA course editor"), message);
}

} // namespace kelvora
