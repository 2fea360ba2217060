#include "ResultsScreen.h"

#include "RunSummary.h"
#include "screens/Look.h"
#include "screens/Run.h"
#include "screens/Shape.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

namespace {
struct Captions {
    const char *title;
    const char *columns[4];
    const char *total;
    const char *close;
};

// The page's captions follow the language's place, as the lesson buttons' captions do.
const Captions &captionsFor(int language)
{
    static const Captions turkish{"Sonuçlar", {"Ekran", "Süre", "Hatalı basış", "İpucu"}, "Toplam", "Kapat"};
    static const Captions english{"Results", {"Screen", "Time", "Misses", "Hints"}, "Total", "Close"};
    static const Captions french{"Résultats", {"Écran", "Temps", "Erreurs", "Indices"}, "Total", "Fermer"};
    switch (language) {
    case 1: return turkish;
    case 3: return french;
    default: return english;
    }
}

constexpr int ColumnLeft[] = {212, 412, 572, 772};
constexpr int ColumnWidth = 180;
constexpr int TableTop = 84;
constexpr int RowHeight = 30;

class Table {
public:
    explicit Table(QWidget *page) : m_page(page) {}

    void addRow(const QStringList &cells, const QColor &color)
    {
        for (int column = 0; column < cells.size(); ++column) {
            auto *cell = new QLabel(cells[column], m_page);
            cell->setObjectName(QStringLiteral("Cell%1_%2").arg(m_row).arg(column));
            cell->setGeometry(ColumnLeft[column], TableTop + m_row * RowHeight, ColumnWidth, RowHeight);
            cell->setFont(captionFont());
            setTextColor(cell, color);
            cell->setAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        }
        ++m_row;
    }

private:
    QWidget *m_page;
    int m_row = 0;
};
} // namespace

ResultsScreen::ResultsScreen(Run &run, const RunRecord *record) : Screen(run, QSize(1024, 768)), m_record(record)
{
    setObjectName(QStringLiteral("Results"));
}

void ResultsScreen::load()
{
    const Captions &captions = captionsFor(run().language);
    setWindowTitle(run().course().title + QStringLiteral(" - ") + QString::fromUtf8(captions.title));

    auto *title = new QLabel(QString::fromUtf8(captions.title), this);
    title->setObjectName(QStringLiteral("Title"));
    title->setGeometry(ColumnLeft[0], 40, 560, 30);
    title->setFont(captionFont());
    setTextColor(title, MarkYellow);

    Table table(this);
    QStringList header;
    for (const char *column : captions.columns)
        header << QString::fromUtf8(column);
    table.addRow(header, MarkYellow);
    if (const RunRecord *record = m_record) {
        for (const ScreenRecord &screen : record->screens) {
            table.addRow({QString::number(screen.screen), clockDuration(screen.durationMs()),
                          QString::number(screen.misses()), QString::number(screen.hints())},
                         Qt::white);
        }
        table.addRow({QString::fromUtf8(captions.total), clockDuration(record->durationMs()),
                      QString::number(record->misses()), QString::number(record->hints())},
                     MarkYellow);
    }

    QPushButton *close = addButton(this, "Close", {850, 712, 163, 43}, QString::fromUtf8(captions.close));
    close->setFont(captionFont());
    connect(close, &QPushButton::clicked, this, &ResultsScreen::finish);
    close->setFocus();
}

void ResultsScreen::finish()
{
    run().end(0);
}

} // namespace kelvora
