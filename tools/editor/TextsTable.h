#pragma once

#include "CoursePlace.h"

#include <QEvent>
#include <QPersistentModelIndex>
#include <QTableView>

class QSortFilterProxyModel;

namespace kelvora {

class TextsModel;

// The texts model's rows that belong to the selected place and the course, in
// every language side by side. A text shown in the explanation label carries
// its fit mark under it, kept up to date while the author types.
class TextsTable : public QTableView {
    Q_OBJECT
public:
    explicit TextsTable(TextsModel *texts, QWidget *parent = nullptr);

    void showPlace(CoursePlace place);
    // The shown row of a text ("prestart/battery"), -1 when it is not shown.
    int rowOf(const QString &context) const;
    // For the delegate: the text being typed in that cell, and the mark it gets.
    void typing(const QModelIndex &index, const QString &text);
    void typed() { m_typing = QPersistentModelIndex(); }
    QString fitMark(const QModelIndex &index) const;

    // Typing on a cell must not jump to another that starts with the letter.
    void keyboardSearch(const QString &) override {}

protected:
    void changeEvent(QEvent *event) override
    {
        QTableView::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            viewport()->update(); // the marks' colours follow a light or dark palette
    }

private:
    QSortFilterProxyModel *m_shown;
    CoursePlace m_place;
    QPersistentModelIndex m_typing;
    QString m_typingText;
};

// A fit mark's colour on the palette's base: its hue kept, readable on light and dark.
QColor fitMarkColour(const QString &mark, const QColor &base);

} // namespace kelvora
