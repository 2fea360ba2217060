#include "StartPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kelvora {

namespace {
// "Shutdown - /usr/share/kelvora/courses/shutdown/course.json": the course's first title and where it is.
QString describe(const QString &file)
{
    QFile in(file);
    const QJsonObject course = in.open(QIODevice::ReadOnly) && in.size() < (8 << 20)
                                   ? QJsonDocument::fromJson(in.readAll()).object()
                                   : QJsonObject();
    const QJsonValue title = course.value(QStringLiteral("title"));
    QString name = title.isObject() && !title.toObject().isEmpty() ? title.toObject().begin()->toString()
                                                                    : QFileInfo(QFileInfo(file).absolutePath()).fileName();
    return QStringLiteral("%1 - %2").arg(name, QDir::toNativeSeparators(file));
}

void fill(QListWidget *list, const QStringList &files)
{
    list->clear();
    for (const QString &file : files) {
        auto *item = new QListWidgetItem(describe(file), list);
        item->setData(Qt::UserRole, file);
    }
    list->setVisible(!files.isEmpty());
}
} // namespace

StartPage::StartPage(QWidget *parent) : QWidget(parent), m_recent(new QListWidget), m_examples(new QListWidget)
{
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *heading = new QLabel(tr("Make a course of screens, steps and targets on your photographs."));
    heading->setWordWrap(true);
    auto *create = new QPushButton(tr("&New course..."));
    auto *open = new QPushButton(tr("&Open a course..."));
    auto *recentLabel = new QLabel(tr("&Recent courses"));
    recentLabel->setBuddy(m_recent);
    auto *examplesLabel = new QLabel(tr("E&xamples"));
    examplesLabel->setBuddy(m_examples);
    m_recent->setAccessibleName(tr("Recent courses"));
    m_examples->setAccessibleName(tr("Examples"));
    layout->addWidget(heading);
    layout->addWidget(create);
    layout->addWidget(open);
    layout->addWidget(recentLabel);
    layout->addWidget(m_recent);
    layout->addWidget(examplesLabel);
    layout->addWidget(m_examples);
    layout->addStretch(1);
    content->setMaximumWidth(720);

    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    scroll->setAlignment(Qt::AlignHCenter);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    connect(create, &QPushButton::clicked, this, &StartPage::newRequested);
    connect(open, &QPushButton::clicked, this, &StartPage::openRequested);
    for (QListWidget *list : {m_recent, m_examples}) {
        connect(list, &QListWidget::itemActivated, this,
                [this](QListWidgetItem *item) { emit courseChosen(item->data(Qt::UserRole).toString()); });
    }
    fill(m_examples, examples());
    m_recentLabel = recentLabel;
    setRecent({});
    examplesLabel->setVisible(m_examples->count() > 0);
}

void StartPage::setRecent(const QStringList &courseFiles)
{
    fill(m_recent, courseFiles);
    m_recentLabel->setVisible(!courseFiles.isEmpty());
}

QStringList StartPage::examples()
{
    const QString program = QCoreApplication::applicationDirPath();
    QStringList found;
    for (const QString &root : {program + QStringLiteral("/courses"), program + QStringLiteral("/../share/kelvora/courses")}) {
        const QDir folder(root);
        for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString file = QDir::cleanPath(folder.filePath(name + QStringLiteral("/course.json")));
            if (QFileInfo(file).isFile())
                found << file;
        }
        if (!found.isEmpty())
            break;
    }
    return found;
}

} // namespace kelvora
