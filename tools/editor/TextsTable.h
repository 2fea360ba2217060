#pragma once

#include "CoursePlace.h"

#include <QEvent>
#include <QTableWidget>

namespace kelvora {

class CourseDocument;

// The texts of the selected place in every language of the course, side by side,
// each text with a row below it that says whether it fits the trainer's label,
// kept up to date while the author types.
class TextsTable : public QTableWidget {
    Q_OBJECT
public:
    explicit TextsTable(CourseDocument &document, QWidget *parent = nullptr);

    void showPlace(CoursePlace place);
    void refresh();
    // For the delegate: the text being typed in that cell.
    void typing(int row, int column, const QString &text);

    // Typing on a cell that takes no text must not jump to another that starts with the letter.
    void keyboardSearch(const QString &) override {}

protected:
    void changeEvent(QEvent *event) override
    {
        QTableWidget::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            refresh(); // the marks' colours follow a light or dark palette
    }
private:
    struct Row {
        CoursePlace place;
        QString field;   // "title", "text" or "sequence/text"
        QString caption; // the row's header
        bool measured;   // shown in the explanation label: a fit row follows
    };
    void commit(QTableWidgetItem *item);
    QJsonObject textsOf(CoursePlace place, const QString &field) const;
    void setFit(int row, int column, const QString &text);

    CourseDocument &m_document;
    CoursePlace m_place;
    QList<Row> m_rows; // per table row; fit rows have an empty field
    bool m_refreshing = false;
};

} // namespace kelvora
