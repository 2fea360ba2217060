#include "EditorWindow.h"

#include "ChecksPanel.h"
#include "CourseBuilding.h"
#include "CourseDifferences.h"
#include "CourseFiles.h"
#include "CourseEdits.h"
#include "CourseModel.h"
#include "OutlineView.h"
#include "PhotographView.h"
#include "PlacePanel.h"
#include "ScreenPanel.h"
#include "StartPage.h"
#include "TextsModel.h"
#include "TextsTable.h"
#include "TrainerLauncher.h"

#include "content/ContentPath.h"
#include "platform/SdlSoundPlayer.h"
#include "screens/Narrator.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QMimeData>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
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
    : m_autosave(m_document), m_courseModel(new CourseModel(m_document, this)),
      m_textsModel(new TextsModel(m_document, this)), m_selection(new QItemSelectionModel(m_courseModel, this)),
      m_pages(new QStackedWidget), m_start(new StartPage), m_outline(new OutlineView(m_courseModel)),
      m_view(new PhotographView), m_placePanel(new PlacePanel(m_document)), m_texts(new TextsTable(m_textsModel)),
      m_checks(new ChecksPanel(m_document)), m_banner(new QLabel),
      m_playLanguage(new QComboBox)
{
    setObjectName(QStringLiteral("KelvoraEditor"));
    m_view->setAccessibleName(tr("Photograph"));
    // Small enough for a 1024 x 600 screen; the panels scroll rather than push the window larger.
    m_outline->setMinimumWidth(160);
    m_texts->setMinimumHeight(90);
    m_checks->setMinimumWidth(160);
    m_view->setMinimumSize(160, 120);
    m_banner->setWordWrap(true);
    m_banner->setBackgroundRole(QPalette::ToolTipBase);
    m_banner->setForegroundRole(QPalette::ToolTipText);
    m_banner->setAutoFillBackground(true);
    m_banner->setMargin(6);
    m_banner->hide();

    auto *fields = new QScrollArea;
    fields->setWidget(m_placePanel);
    fields->setWidgetResizable(true);
    fields->setFrameShape(QFrame::NoFrame);
    fields->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fields->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    // As tall as the fields need, with room for the scroll bar of a narrow window.
    fields->setMaximumHeight(m_placePanel->sizeHint().height() + fields->horizontalScrollBar()->sizeHint().height() + 4);
    m_fields = fields;
    auto *centre = new QWidget;
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    layout->addWidget(m_view, 1);
    layout->addWidget(fields);
    m_pages->addWidget(m_start);
    m_pages->addWidget(centre);
    setCentralWidget(m_pages);
    QDockWidget *outline = dock(this, tr("Outline"), m_outline, Qt::LeftDockWidgetArea);
    QDockWidget *texts = dock(this, tr("Texts"), m_texts, Qt::BottomDockWidgetArea);
    QDockWidget *checks = dock(this, tr("Checks"), m_checks, Qt::BottomDockWidgetArea);
    m_docks = {outline, texts, checks};
    resizeDocks({outline, texts, checks}, {300, 800, 360}, Qt::Horizontal);
    resizeDocks({texts}, {200}, Qt::Vertical);
    buildActions();

    m_ask = [this](Question question, const QString &text, const QStringList &differences) {
        return askDialog(question, text, differences);
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &EditorWindow::checkDisk, Qt::QueuedConnection);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &EditorWindow::checkDisk, Qt::QueuedConnection);
    connect(&m_document, &CourseDocument::saved, this, &EditorWindow::watch);
    connect(m_start, &StartPage::newRequested, this, &EditorWindow::newCourse);
    connect(m_start, &StartPage::openRequested, this, &EditorWindow::openDialog);
    connect(m_start, &StartPage::courseChosen, this, [this](const QString &file) {
        if (const QString error = openCourse(file); !error.isEmpty())
            reportProblem(error);
    });

    connect(&m_document, &CourseDocument::changed, this, &EditorWindow::courseChanged, Qt::QueuedConnection);
    connect(&m_document.undoStack(), &QUndoStack::cleanChanged, this, &EditorWindow::updateTitle);
    connect(&m_document, &CourseDocument::saved, this, &EditorWindow::updateTitle);
    m_outline->setSelectionModel(m_selection);
    connect(m_selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (m_showing)
            return;
        // A group's or the sequence's target is edited on its screen; a screen's row shows its steps' targets.
        const CoursePlace place = m_courseModel->placeOf(current);
        m_showing = true;
        select(place);
        if (place.isScreen())
            m_placePanel->screenPanel()->selectLook(m_courseModel->lookTargetOf(current));
        m_showing = false;
    });
    connect(m_view, &PhotographView::targetChosen, this, [this](int index) {
        const QModelIndex step = m_courseModel->indexOf(CoursePlace{m_place.screen, index});
        if (step.isValid())
            m_selection->setCurrentIndex(step, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    connect(m_checks, &ChecksPanel::placeRequested, this, &EditorWindow::select);
    connect(m_checks, &ChecksPanel::checked, this, [this](int findings) {
        statusBar()->showMessage(findings ? tr("%n finding(s)", nullptr, findings) : tr("No problems found"));
    });
    connect(m_placePanel, &PlacePanel::problem, this, &EditorWindow::reportProblem);
    connect(m_view, &PhotographView::targetDrawn, this, &EditorWindow::addDrawnTarget);
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
    QMenu *file = menuBar()->addMenu(tr("&File"));
    action(file, tr("&New course..."), QKeySequence::New, &EditorWindow::newCourse);
    action(file, tr("&Open..."), QKeySequence::Open, &EditorWindow::openDialog);
    action(file, tr("Open &folder..."), QKeySequence(), &EditorWindow::openFolderDialog);
    m_recent = file->addMenu(tr("Open &recent"));
    connect(m_recent, &QMenu::aboutToShow, this, &EditorWindow::fillRecentMenu);
    file->addSeparator();
    QAction *saveAction = action(file, tr("&Save"), QKeySequence::Save, [this] { save(); });
    m_courseActions << action(file, tr("Save &as..."), QKeySequence::SaveAs, [this] { saveAs(); });
    m_courseActions << action(file, tr("Remove &unused files..."), QKeySequence(), &EditorWindow::removeUnusedFiles);
    m_courseActions << action(file, tr("&Close course"), QKeySequence::Close, [this] {
        if (askToSave())
            showStartPage();
    });
    file->addSeparator();
    action(file, tr("&Quit"), QKeySequence::Quit, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = m_document.undoStack().createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_document.undoStack().createRedoAction(this);
    // The platform's own redo keys only: on X11 they already include Ctrl+Shift+Z, and a second
    // action on one key makes the key do nothing.
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    m_editActions = {
        action(edit, tr("Add scr&een"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), &EditorWindow::addScreen),
        action(edit, tr("Add s&tep"), QKeySequence(QStringLiteral("Ctrl+Shift+T")), &EditorWindow::addStep),
        action(edit, tr("&Duplicate"), QKeySequence(QStringLiteral("Ctrl+D")),
               [this] {
                   if (m_place.screen >= 0)
                       m_document.undoStack().push(new DuplicateEdit(m_document, m_place));
               }),
        action(edit, tr("De&lete"), QKeySequence(QStringLiteral("Ctrl+Del")),
               [this] {
                   // What the outline has selected: a screen, a step, a group or one of its targets.
                   const QModelIndex current = m_selection->currentIndex();
                   if (current.isValid())
                       m_courseModel->removeRows(current.row(), 1, current.parent());
               }),
        action(edit, tr("Move &up"), QKeySequence(QStringLiteral("Ctrl+Shift+Up")), [this] { moveSelected(-1); }),
        action(edit, tr("Move do&wn"), QKeySequence(QStringLiteral("Ctrl+Shift+Down")),
               [this] { moveSelected(1); }),
        action(edit, tr("&Photograph..."), QKeySequence(QStringLiteral("Ctrl+Shift+P")),
               [this] { m_placePanel->choosePhotograph(); }),
        action(edit, tr("S&ound file..."), QKeySequence(QStringLiteral("Ctrl+Shift+O")),
               [this] { m_placePanel->chooseSound(); }),
        action(edit, tr("&Recording file..."), QKeySequence(QStringLiteral("Ctrl+Shift+R")),
               &EditorWindow::chooseRecording),
        action(edit, tr("Add &language..."), QKeySequence(QStringLiteral("Ctrl+Shift+L")),
               &EditorWindow::addLanguage),
        action(edit, tr("Re&name language..."), QKeySequence(), &EditorWindow::renameLanguage),
        action(edit, tr("Remove lan&guage..."), QKeySequence(), &EditorWindow::removeLanguage),
        action(edit, tr("Screens from p&hotographs..."), QKeySequence(QStringLiteral("Ctrl+Alt+N")),
               &EditorWindow::screensFromPhotographs),
        action(edit, tr("Steps from photo&graphs..."), QKeySequence(QStringLiteral("Ctrl+Alt+T")),
               &EditorWindow::stepsFromPhotographs),
        action(edit, tr("&Copy step"), QKeySequence::Copy, [this] { copySteps(false); }),
        action(edit, tr("Cu&t step"), QKeySequence::Cut, [this] { copySteps(true); }),
        action(edit, tr("&Paste steps"), QKeySequence::Paste, &EditorWindow::pasteSteps),
        action(edit, tr("Paste t&arget"), QKeySequence(QStringLiteral("Ctrl+Shift+V")), &EditorWindow::pasteTarget),
        action(edit, tr("Move step to scree&n..."), QKeySequence(QStringLiteral("Ctrl+Shift+M")),
               &EditorWindow::moveStepToScreen),
    };
    m_editActions << saveAction;

    QMenu *view = menuBar()->addMenu(tr("&View"));
    action(view, tr("Zoom &in"), QKeySequence::ZoomIn, [this] { m_view->zoomBy(1.25); });
    action(view, tr("Zoom &out"), QKeySequence::ZoomOut, [this] { m_view->zoomBy(0.8); });
    action(view, tr("&Fit the page"), QKeySequence(QStringLiteral("Ctrl+0")), [this] { m_view->zoomToFit(); });
    action(view, tr("&Actual pixels of the photograph"), QKeySequence(QStringLiteral("Ctrl+Alt+0")),
           [this] { m_view->zoomToPhotographPixels(); });
    view->addSeparator();
    // Courses run from the keyboard name their targets by label; the checks then note a target without one.
    QAction *keyboard = view->addAction(tr("Checks for &keyboard use"));
    keyboard->setObjectName(QStringLiteral("ChecksForKeyboardUse"));
    keyboard->setCheckable(true);
    keyboard->setChecked(QSettings().value(QStringLiteral("checks/keyboard"), false).toBool());
    m_checks->setKeyboard(keyboard->isChecked());
    connect(keyboard, &QAction::toggled, this, [this](bool on) {
        QSettings().setValue(QStringLiteral("checks/keyboard"), on);
        m_checks->setKeyboard(on);
    });
    view->addSeparator();
    // The shape a drag on the photograph draws.
    auto *shapes = new QActionGroup(this);
    const std::pair<QString, QString> drawable[] = {{QStringLiteral("rectangle"), tr("Draw &rectangles")},
                                                    {QStringLiteral("circle"), tr("Draw &circles")},
                                                    {QStringLiteral("oval"), tr("Draw o&vals")}};
    QList<QAction *> drawActions;
    for (const auto &[shape, text] : drawable) {
        QAction *a = view->addAction(text);
        a->setCheckable(true);
        a->setChecked(shape == QLatin1String("rectangle"));
        a->setActionGroup(shapes);
        connect(a, &QAction::triggered, this, [this, shape = shape] { m_view->setDrawShape(shape); });
        drawActions << a;
    }

    QMenu *go = menuBar()->addMenu(tr("&Go"));
    action(go, tr("&Outline"), QKeySequence(QStringLiteral("Ctrl+1")), [this] { m_outline->setFocus(); });
    action(go, tr("P&hotograph"), QKeySequence(QStringLiteral("Ctrl+2")), [this] { m_view->setFocus(); });
    action(go, tr("&Texts"), QKeySequence(QStringLiteral("Ctrl+3")), [this] {
        // The place's own text: the step's, else the screen's.
        m_texts->setFocus();
        QString context = QStringLiteral("title");
        if (m_place.screen >= 0) {
            const AuthorScreen &screen = m_document.authorCourse().screens[m_place.screen];
            context = m_place.isStep() ? screen.id + u'/' + screen.steps[m_place.step].id : screen.id;
        }
        const int row = m_texts->rowOf(context);
        m_texts->setCurrentIndex(m_texts->model()->index(std::max(0, row), 0));
    });
    action(go, tr("&Checks"), QKeySequence(QStringLiteral("Ctrl+4")), [this] { m_checks->setFocus(); });
    action(go, tr("Play s&ound"), QKeySequence(QStringLiteral("Ctrl+P")), [this] { m_placePanel->playSound(); });
    action(go, tr("Hear &narration"), QKeySequence(QStringLiteral("F6")), &EditorWindow::hearNarration);
    QAction *play = action(go, tr("Play from &here"), QKeySequence(QStringLiteral("F5")),
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
    bar->addSeparator();
    bar->addActions(drawActions);
    m_playLanguage->setAccessibleName(tr("Language to play in"));
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
    showEditor(true);
    courseChanged(m_place);
    updateTitle();
    watch();
    remember(m_document.file());
    offerKeptChanges();
    return {};
}

void EditorWindow::showStartPage()
{
    m_start->setRecent(recentCourses());
    showEditor(false);
    setWindowTitle(tr("KELVORA course editor"));
    setWindowModified(false);
}

void EditorWindow::showEditor(bool shown)
{
    m_pages->setCurrentIndex(shown ? 1 : 0);
    for (QDockWidget *dock : std::as_const(m_docks))
        dock->setVisible(shown);
    for (QAction *a : std::as_const(m_courseActions))
        a->setEnabled(shown);
    for (QAction *a : std::as_const(m_editActions))
        a->setEnabled(shown && !m_document.isReadOnly());
    if (!shown)
        unwatch();
}

void EditorWindow::offerKeptChanges()
{
    const std::optional<Autosave::Kept> kept = m_autosave.kept(m_document.file());
    if (!kept || m_document.isReadOnly())
        return;
    const QString text = tr("%1 has changes that were not saved, kept on %2. Restore them?")
                             .arg(QDir::toNativeSeparators(m_document.file()), QLocale().toString(kept->when, QLocale::ShortFormat));
    if (m_ask(Question::KeptChanges, text, courseDifferences(m_document.course(), kept->course)) == Answer::Restore)
        m_document.undoStack().push(new WholeCourseEdit(m_document, kept->course, tr("Restore unsaved changes")));
    else
        m_autosave.discard();
}

void EditorWindow::unwatch()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
}

void EditorWindow::watch()
{
    unwatch();
    // The folder too: a file saved by another program is often a new file renamed over the old one.
    if (QFileInfo::exists(m_document.file()))
        m_watcher.addPath(m_document.file());
    if (QFileInfo::exists(m_document.folder()))
        m_watcher.addPath(m_document.folder());
}

void EditorWindow::checkDisk()
{
    if (m_askingAboutDisk || m_document.file().isEmpty() || m_pages->currentIndex() != 1 || !m_document.isChangedOnDisk()) {
        if (!m_askingAboutDisk)
            watch();
        return;
    }
    m_askingAboutDisk = true;
    const QString text = tr("%1 was changed on disk by another program. Reload it (your unsaved changes are lost), "
                            "or keep yours and save them under another name?")
                             .arg(QDir::toNativeSeparators(m_document.file()));
    // What reloading would change.
    const Answer answer = m_ask(Question::ChangedOnDisk, text, courseDifferences(m_document.course(), m_document.courseOnDisk()));
    if (answer == Answer::Reload) {
        const QString place = m_document.file();
        if (const QString error = openCourse(place); !error.isEmpty())
            reportProblem(error);
    } else if (answer == Answer::KeepMine) {
        saveAs();
    }
    m_askingAboutDisk = false;
    watch();
}

bool EditorWindow::save()
{
    bool replace = false;
    if (!m_document.isReadOnly() && (m_document.isModified() || m_document.isNew()) && m_document.isChangedOnDisk()) {
        const QString text = tr("%1 was changed on disk since it was opened. Replace it with your version?")
                                 .arg(QDir::toNativeSeparators(m_document.file()));
        switch (m_ask(Question::SavingOverChanged, text, courseDifferences(m_document.courseOnDisk(), m_document.course()))) {
        case Answer::Replace: replace = true; break;
        case Answer::KeepMine: return saveAs();
        default: return false;
        }
    }
    const QString error = m_document.save(replace);
    if (!error.isEmpty()) {
        reportProblem(error);
        return false;
    }
    statusBar()->showMessage(tr("Saved %1").arg(m_document.file()), 4000);
    return true;
}

bool EditorWindow::saveAs()
{
    const QString file = QFileDialog::getSaveFileName(this, tr("Save the course as"), m_document.file(),
                                                      tr("Courses (*.json)"));
    if (file.isEmpty())
        return false;
    if (const QString error = m_document.saveAs(file); !error.isEmpty()) {
        reportProblem(error);
        return false;
    }
    updateTitle();
    watch();
    remember(m_document.file());
    statusBar()->showMessage(tr("Saved %1").arg(m_document.file()), 4000);
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
    const QString current = m_playLanguage->currentText();
    m_playLanguage->clear();
    m_playLanguage->addItems(m_document.languageTags());
    if (!current.isEmpty())
        m_playLanguage->setCurrentText(current);
    showSelection();
    m_checks->recheck();
    updateTitle();
}

void EditorWindow::chooseRecording()
{
    // For the texts table's recording cell, in its language.
    const QModelIndex cell = m_texts->currentIndex();
    if (!cell.isValid() || !cell.data(TextsModel::ContextRole).toString().endsWith(QLatin1String("/narration"))) {
        statusBar()->showMessage(tr("Choose a recording's cell in the texts table first"), 4000);
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Recording"), m_document.folder(),
                                                      tr("Recordings (*.wav *.ogg);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    const QString name = m_document.bringIn(path, QStringLiteral("sounds"), &error);
    if (name.isEmpty())
        reportProblem(error);
    else
        m_texts->model()->setData(cell, name);
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::hearNarration()
{
    const QModelIndex cell = m_texts->currentIndex();
    const QString tag = m_document.languageTags().value(cell.column());
    if (!cell.isValid() || tag.isEmpty()) {
        statusBar()->showMessage(tr("Choose a text in the texts table first"), 4000);
        return;
    }
    if (!m_narrator) {
        m_narrator = new Narrator(this);
        m_recordingVoice = std::make_unique<SdlSoundPlayer>(
            [&document = m_document](const QString &name) { return resolveContentPath(name, document.folder()); });
        m_narrator->setRecordingVoice(m_recordingVoice.get());
        connect(m_narrator, &Narrator::told, this, [this](const QString &problem) { statusBar()->showMessage(problem, 8000); });
        m_narrator->prepare();
    }
    const QString value = cell.data(Qt::EditRole).toString();
    if (cell.data(TextsModel::RecordingRole).toBool())
        m_narrator->say(QString(), tag, value);
    else
        m_narrator->say(value, tag);
}

void EditorWindow::select(CoursePlace place)
{
    m_place = place;
    showSelection();
}

void EditorWindow::showSelection()
{
    m_texts->showPlace(m_place);
    m_placePanel->showPlace(m_place);
    // The outline shows what the fields show: the place, or the look-only target chosen on its screen.
    const bool fromOutline = std::exchange(m_showing, true);
    const LookTarget look = m_place.isScreen() ? m_placePanel->screenPanel()->look() : LookTarget{};
    QModelIndex shown = m_courseModel->indexOf(m_place.screen, look);
    if (!shown.isValid())
        shown = m_courseModel->indexOf(m_place);
    if (!fromOutline && m_selection->currentIndex() != shown)
        m_selection->setCurrentIndex(shown, shown.isValid() ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                            : QItemSelectionModel::Clear);
    m_showing = fromOutline;
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
    QJsonObject screen{{QStringLiteral("id"), freshId(m_document.screens(), QStringLiteral("screen-%1").arg(m_document.screens().size() + 1))}};
    // It starts from the photograph the screen before it ends on.
    if (m_place.screen >= 0) {
        const int steps = int(m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray().size());
        const QString last = m_document.photographBefore({m_place.screen, steps});
        if (!last.isEmpty())
            screen[QStringLiteral("photograph")] = last;
    }
    m_document.undoStack().push(new AddEdit(m_document, {m_place.screen, -1}, false, screen));
}

void EditorWindow::addStep()
{
    if (m_place.screen < 0)
        return;
    const int steps = int(m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray().size());
    const CoursePlace after{m_place.screen, m_place.isStep() ? m_place.step : steps - 1};
    const QJsonArray siblings = m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray();
    const QJsonObject step = stepLike(after.step >= 0 ? siblings.at(after.step).toObject() : QJsonObject(),
                                      middleTarget(m_document.pathOf(m_document.photographBefore({m_place.screen, after.step + 1}))),
                                      siblings);
    m_document.undoStack().push(new AddEdit(m_document, after, true, step));
}

namespace {
// Steps on the clipboard: theirs and their course's folder, so another window (or course) finds their files.
const QString StepsMime = QStringLiteral("application/x-kelvora-editor-steps");
} // namespace

void EditorWindow::copySteps(bool cut)
{
    if (!m_place.isStep())
        return;
    const QJsonObject copied{{QStringLiteral("folder"), m_document.folder()},
                             {QStringLiteral("steps"), QJsonArray{m_document.step(m_place)}}};
    auto *data = new QMimeData;
    data->setData(StepsMime, QJsonDocument(copied).toJson(QJsonDocument::Compact));
    data->setText(m_document.step(m_place).value(QStringLiteral("id")).toString());
    QGuiApplication::clipboard()->setMimeData(data);
    if (cut && !m_document.isReadOnly())
        m_document.undoStack().push(new DeleteEdit(m_document, m_place));
}

QJsonArray EditorWindow::stepsOnClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(StepsMime))
        return {};
    const QJsonObject copied = QJsonDocument::fromJson(data->data(StepsMime)).object();
    const QString from = copied.value(QStringLiteral("folder")).toString();
    QJsonArray steps = copied.value(QStringLiteral("steps")).toArray();
    if (QDir::cleanPath(from) == QDir::cleanPath(m_document.folder()))
        return steps;
    // From another course: its photographs and sounds come along.
    const auto bring = [&](const QString &name) {
        const QString path = resolveContentPath(name, from);
        QString error;
        const QString brought = path.isEmpty() ? QString() : m_document.bringIn(path, QFileInfo(name).path(), &error);
        return brought.isEmpty() ? name : brought;
    };
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QJsonObject step = steps.at(i).toObject();
        for (const QString &field : {QStringLiteral("photograph"), QStringLiteral("sound")}) {
            if (step.value(field).isString())
                step[field] = bring(step.value(field).toString());
        }
        QJsonArray photographs = step.value(QStringLiteral("photographs")).toArray();
        for (qsizetype p = 0; p < photographs.size(); ++p)
            photographs[p] = bring(photographs.at(p).toString());
        if (!photographs.isEmpty())
            step[QStringLiteral("photographs")] = photographs;
        steps[i] = step;
    }
    return steps;
}

void EditorWindow::pasteSteps()
{
    const QJsonArray steps = stepsOnClipboard();
    if (m_place.screen < 0 || steps.isEmpty() || m_document.isReadOnly())
        return;
    int first = 0;
    const QJsonObject course = withStepsInserted(m_document.course(), m_place, steps, &first);
    m_document.undoStack().push(new WholeCourseEdit(m_document, course, tr("Paste steps"), {m_place.screen, first}));
}

void EditorWindow::pasteTarget()
{
    const QJsonArray steps = stepsOnClipboard();
    const QJsonObject target = steps.isEmpty() ? QJsonObject() : steps.first()[QStringLiteral("target")].toObject();
    if (!m_place.isStep() || target.isEmpty() || m_document.isReadOnly())
        return;
    m_document.undoStack().push(new TargetEdit(m_document, m_place, target));
}

void EditorWindow::moveStepToScreen()
{
    if (!m_place.isStep() || m_document.isReadOnly())
        return;
    QStringList screens;
    for (const QJsonValue &screen : m_document.screens())
        screens << screen[QStringLiteral("id")].toString();
    bool ok = false;
    const QString to = QInputDialog::getItem(this, tr("Move a step to another screen"), tr("&Screen"), screens,
                                             m_place.screen, false, &ok);
    if (ok)
        moveStepToScreenAt(m_place, int(screens.indexOf(to)));
}

void EditorWindow::moveStepToScreenAt(CoursePlace step, int screen)
{
    if (!step.isStep() || screen < 0 || screen == step.screen || m_document.isReadOnly())
        return;
    const QJsonObject course = withStepMoved(m_document.course(), step, screen);
    const int steps = int(course[QStringLiteral("screens")][screen][QStringLiteral("steps")].toArray().size());
    const QString to = m_document.screen(screen).value(QStringLiteral("id")).toString();
    m_document.undoStack().push(new WholeCourseEdit(m_document, course, tr("Move step to %1").arg(to), {screen, steps - 1}));
}

void EditorWindow::screensFromPhotographs()
{
    const QStringList files = choosePhotographs(this, tr("Screens from photographs: one screen each, in name order"));
    const QStringList names = broughtIn(files);
    if (names.isEmpty())
        return;
    int first = 0;
    const QJsonObject course = withScreensFromPhotographs(m_document.course(), m_place.screen, names, &first);
    m_document.undoStack().push(new WholeCourseEdit(m_document, course, tr("Screens from photographs"), {first, -1}));
}

void EditorWindow::stepsFromPhotographs()
{
    if (m_place.screen < 0)
        return;
    const QStringList files = choosePhotographs(this, tr("Steps from photographs: each press leaves one behind, in name order"));
    const QStringList names = broughtIn(files);
    if (names.isEmpty())
        return;
    const int after = m_place.isStep() ? m_place.step : -1;
    const QJsonObject course = withStepsFromPhotographs(
        m_document.course(), m_place.screen, after, names,
        middleTarget(m_document.pathOf(m_document.photographBefore({m_place.screen, std::max(0, after + 1)}))));
    const int steps = int(m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray().size());
    m_document.undoStack().push(new WholeCourseEdit(m_document, course, tr("Steps from photographs"),
                                                    {m_place.screen, after >= 0 ? after + 1 : steps}));
}

QStringList EditorWindow::broughtIn(const QStringList &files)
{
    QStringList names;
    for (const QString &file : files) {
        QString error;
        names << m_document.bringIn(file, QStringLiteral("images"), &error);
        if (names.last().isEmpty()) {
            reportProblem(error);
            return {};
        }
    }
    return names;
}

void EditorWindow::addDrawnTarget(const QJsonObject &target)
{
    // A drawn target is a new step after the selected one (on a screen: after its last), with the sound before it.
    if (m_place.screen < 0 || m_document.isReadOnly() || (m_place.isScreen() && !m_placePanel->screenPanel()->look().isNone()))
        return;
    const QJsonArray siblings = m_document.screen(m_place.screen).value(QStringLiteral("steps")).toArray();
    const CoursePlace after{m_place.screen, m_place.isStep() ? m_place.step : int(siblings.size()) - 1};
    QJsonObject step = stepLike(after.step >= 0 ? siblings.at(after.step).toObject() : QJsonObject(), target, siblings);
    step[QStringLiteral("target")] = target;
    m_document.undoStack().push(new AddEdit(m_document, after, true, step));
}

void EditorWindow::removeUnusedFiles()
{
    const QStringList unused = m_document.unusedFiles();
    if (unused.isEmpty()) {
        statusBar()->showMessage(tr("No unused pictures or sounds in %1").arg(m_document.folder()), 4000);
        return;
    }
    QMessageBox box(QMessageBox::Question, tr("Remove unused files"),
                    tr("%n picture(s) or sound(s) in the course's folder are named neither by the saved course nor by "
                       "the one you are editing. Remove them?", nullptr, int(unused.size())),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    box.setDetailedText(unused.join(u'\n'));
    if (box.exec() != QMessageBox::Yes)
        return;
    const QDir folder(m_document.folder());
    for (const QString &name : unused)
        QFile::remove(folder.filePath(name));
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
    dialog.setWindowTitle(tr("Add a language"));
    auto *tag = new QLineEdit;
    tag->setAccessibleName(tr("Language tag"));
    tag->setPlaceholderText(tr("de, pt-BR ..."));
    auto *name = new QLineEdit;
    name->setAccessibleName(tr("Language name"));
    // The language's own name, proposed from its tag until the author types another.
    bool named = false;
    connect(name, &QLineEdit::textEdited, &dialog, [&named] { named = true; });
    connect(tag, &QLineEdit::textChanged, &dialog, [&named, name](const QString &text) {
        const QLocale locale(text.trimmed());
        if (!named)
            name->setText(locale.language() == QLocale::C ? QString() : locale.nativeLanguageName());
    });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *form = new QFormLayout(&dialog);
    form->addRow(tr("&Tag"), tag);
    form->addRow(tr("&Name on the start screen"), name);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString newTag = tag->text().trimmed();
    static const QRegularExpression wellFormed(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
    if (!wellFormed.match(newTag).hasMatch() || m_document.languageTags().contains(newTag, Qt::CaseInsensitive)) {
        reportProblem(tr("'%1' is not a new language tag (such as de or pt-BR)").arg(newTag));
        return;
    }
    m_document.undoStack().push(
        new AddLanguageEdit(m_document, newTag, name->text().trimmed().isEmpty() ? newTag : name->text().trimmed()));
}

void EditorWindow::renameLanguage()
{
    const QStringList tags = m_document.languageTags();
    bool ok = false;
    const QString tag = QInputDialog::getItem(this, tr("Rename a language"), tr("&Language"), tags, 0, false, &ok);
    if (!ok || tag.isEmpty())
        return;
    const QString name = QInputDialog::getText(this, tr("Rename a language"), tr("&Name on the start screen"),
                                               QLineEdit::Normal, QLocale(tag).nativeLanguageName(), &ok).trimmed();
    if (ok && !name.isEmpty())
        m_document.undoStack().push(new LanguageEdit(m_document, tag, name));
}

void EditorWindow::removeLanguage()
{
    const QStringList tags = m_document.languageTags();
    if (tags.size() < 2) {
        reportProblem(tr("A course keeps at least one language."));
        return;
    }
    bool ok = false;
    const QString tag = QInputDialog::getItem(this, tr("Remove a language"),
                                              tr("&Language to remove with all its texts (undo brings them back)"), tags,
                                              int(tags.size()) - 1, false, &ok);
    if (ok && !tag.isEmpty())
        m_document.undoStack().push(new LanguageEdit(m_document, tag, {}));
}

void EditorWindow::playFromHere()
{
    if (m_document.screens().isEmpty()) {
        reportProblem(tr("The course has no screen to play yet."));
        return;
    }
    // A course the trainer would refuse is neither saved nor started.
    if (const QString problem = m_document.loadProblem(); !problem.isEmpty()) {
        reportProblem(problem);
        return;
    }
    if (m_document.isModified() && !save())
        return;
    const QString error =
        playInTrainer(m_document.file(), std::max(0, m_place.screen) + 1, m_playLanguage->currentText());
    if (!error.isEmpty())
        reportProblem(error);
}

void EditorWindow::newCourse()
{
    if (!askToSave())
        return;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose or make a folder for the new course"),
                                                             QFileInfo(m_document.folder()).absolutePath());
    if (folder.isEmpty())
        return;
    if (const QString error = openCourse(folder); !error.isEmpty())
        reportProblem(error);
}

void EditorWindow::openDialog()
{
    if (!askToSave())
        return;
    const QString file = QFileDialog::getOpenFileName(this, tr("Open a course"), m_document.folder(),
                                                      tr("Courses (*.json)"));
    if (file.isEmpty())
        return;
    const QString error = openCourse(file);
    if (!error.isEmpty())
        reportProblem(error);
}

void EditorWindow::openFolderDialog()
{
    if (!askToSave())
        return;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Open a course folder"), m_document.folder());
    if (folder.isEmpty())
        return;
    if (const QString error = openCourse(folder); !error.isEmpty())
        reportProblem(error);
}

QStringList EditorWindow::recentCourses() const
{
    QStringList recent = QSettings().value(QStringLiteral("recent")).toStringList();
    recent.removeIf([](const QString &file) { return !QFileInfo(file).isFile(); });
    return recent;
}

void EditorWindow::remember(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return; // a new course is remembered once it is saved
    QSettings settings;
    QStringList recent = settings.value(QStringLiteral("recent")).toStringList();
    recent.removeAll(file);
    recent.prepend(file);
    settings.setValue(QStringLiteral("recent"), recent.mid(0, 8));
}

void EditorWindow::fillRecentMenu()
{
    m_recent->clear();
    const QStringList recent = recentCourses();
    for (int i = 0; i < recent.size(); ++i) {
        const QString file = recent[i];
        // &1 ... &8: each reachable by its digit.
        m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)), this, [this, file] {
            if (!askToSave())
                return;
            if (const QString error = openCourse(file); !error.isEmpty())
                reportProblem(error);
        });
    }
    if (recent.isEmpty())
        m_recent->addAction(tr("(none)"))->setEnabled(false);
}

bool EditorWindow::askToSave()
{
    if (!m_document.isModified() || m_document.isReadOnly() || m_pages->currentIndex() != 1)
        return true;
    const auto answer = QMessageBox::warning(
        this, tr("Unsaved changes"), tr("%1 has changes that are not saved.").arg(QFileInfo(m_document.file()).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    if (answer == QMessageBox::Discard)
        m_autosave.discard();
    return answer == QMessageBox::Discard;
}

EditorWindow::Answer EditorWindow::askDialog(Question question, const QString &text, const QStringList &differences)
{
    QMessageBox box(QMessageBox::Question, tr("KELVORA course editor"), text, QMessageBox::NoButton, this);
    QList<std::pair<QAbstractButton *, Answer>> buttons;
    const auto add = [&](const QString &label, QMessageBox::ButtonRole role, Answer answer) {
        buttons.append(std::pair<QAbstractButton *, Answer>(box.addButton(label, role), answer));
    };
    switch (question) {
    case Question::KeptChanges:
        add(tr("&Restore"), QMessageBox::AcceptRole, Answer::Restore);
        add(tr("&Discard"), QMessageBox::DestructiveRole, Answer::Discard);
        break;
    case Question::ChangedOnDisk:
        add(tr("&Reload"), QMessageBox::DestructiveRole, Answer::Reload);
        add(tr("&Keep mine (save as)..."), QMessageBox::AcceptRole, Answer::KeepMine);
        break;
    case Question::SavingOverChanged:
        add(tr("&Replace"), QMessageBox::DestructiveRole, Answer::Replace);
        add(tr("Save &as..."), QMessageBox::AcceptRole, Answer::KeepMine);
        add(tr("&Cancel"), QMessageBox::RejectRole, Answer::Cancel);
        break;
    }
    // Compare: what differs, one line per screen or step, under "Show Details...".
    box.setDetailedText(differences.isEmpty() ? tr("No difference in the course's contents.") : differences.join(u'\n'));
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.at(question == Question::ChangedOnDisk ? 1 : 0).first));
    box.exec();
    for (const auto &[button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return question == Question::KeptChanges ? Answer::Restore : (question == Question::ChangedOnDisk ? Answer::KeepMine : Answer::Cancel);
}

void EditorWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Leaving the window is a moment to keep the unsaved changes, as a few seconds of idle time are.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_autosave.keepNow();
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
    if (m_pages->currentIndex() != 1)
        return;
    const QFileInfo file(m_document.file());
    setWindowTitle(tr("%1[*] - %2%3 - KELVORA course editor")
                       .arg(file.fileName(), file.absolutePath(),
                            m_document.isReadOnly() ? tr(" (read-only)") : QString()));
    setWindowModified(m_document.isModified() && !m_document.isReadOnly());
}

void EditorWindow::reportProblem(const QString &message)
{
    statusBar()->showMessage(message, 10000);
    QMessageBox::warning(this, tr("KELVORA course editor"), message);
}

} // namespace kelvora
