#pragma once

#include "CoursePlace.h"

#include <QFutureWatcher>
#include <QListWidget>
#include <QTimer>

#include "CourseCheck.h"

namespace kelvora {

class CourseDocument;

// The checker's findings on the course as it is now, rechecked a moment after
// each edit on the course in memory (its files are found in its folder), on a
// worker thread so typing never waits for it.
class ChecksPanel : public QListWidget {
    Q_OBJECT
public:
    explicit ChecksPanel(const CourseDocument &document, QWidget *parent = nullptr);
    ~ChecksPanel() override;

    void recheck();       // soon
    void recheckNow();
    bool isChecking() const { return m_checking || m_delay.isActive(); }

signals:
    void placeRequested(kelvora::CoursePlace place);
    void checked(int findings);

private:
    void show(const QList<CourseFinding> &findings);
    CoursePlace placeOf(const CourseFinding &finding) const;

    const CourseDocument &m_document;
    QTimer m_delay;
    QFutureWatcher<QList<CourseFinding>> m_running;
    bool m_checking = false; // until its findings are shown
    bool m_pending = false;  // an edit came while a check ran
};

} // namespace kelvora
