#pragma once
// A table of the reference database read for a fixed-column list: every cell
// formatted with its picture, then each column widened to its widest value so
// that no number (and, where asked, no text) comes out cut. The heading's
// titles stand over their columns.
#include "platform/NumberPicture.h"
#include "refdata/ReferenceDatabase.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;

class FixedColumnTable {
public:
    using Cell = FixedColumnLine::Cell;
    struct Title {
        int blanksBefore;
        QString text;
    };
    struct Row {
        QStringList texts;    // formatted, one per cell
        QList<bool> numeric;  // whether the cell's value read as a number
    };

    // `table` names the table read, whose number fields (ReferenceSchema)
    // show a number or nothing: a text stored in one is not shown.
    explicit FixedColumnTable(QList<Cell> cells, QString table = QString())
        : m_cells(std::move(cells)), m_table(std::move(table)) {}

    // Reads every row of the query through the shared result set; `each` sees
    // the record of each row just read. A field the table lacks reads as an
    // empty cell when `missingIsEmpty`, else it is the reader's fault. A table
    // that cannot be read throws RuntimeFault and leaves no rows.
    void read(const QString& sql, bool missingIsEmpty, const std::function<void(const Recordset&)>& each = {});

    const QList<Cell>& cells() const { return m_cells; }
    QList<Row>& rows() { return m_rows; }
    const QList<Row>& rows() const { return m_rows; }

    // Each cell's width, widened to its widest number (and text, with `wholeText`).
    QList<int> widths(bool wholeText = false) const;
    // The line of a row with those widths.
    QString line(const Row& row, const QList<int>& widths) const;
    // The heading over lines of those widths: each title over its column,
    // placed from the column's position in the list's font; `inset` is how
    // far right of the heading's text the list's lines begin.
    QString heading(const QList<Title>& titles, const QList<int>& widths, const QFont& list,
                    const QFont& headingFont, qreal inset = 0) const;
    // That inset for a list with its heading above it.
    static qreal textInset(const QListWidget* list, const QLabel* heading);

    // The fixed-pitch font of the lists, and the font of their headings.
    static QFont listFont();
    static QFont headingFont();
    // Makes the list wide enough for its longest line and for the heading.
    static void fitWidth(QListWidget* list, const QLabel* heading);

private:
    QList<Cell> m_cells;
    QString m_table;
    QList<Row> m_rows;
};
