#pragma once
// A window that lists one table of the reference database as lines of
// fixed-width columns under a heading. A viewer's design is its table, its
// cells (field, width, picture, blanks before) and its heading; it reads the
// table when it loads and Cancel closes it, showing the window it belongs to.
#include "platform/Forms.h"
#include "refdata/FixedColumnTable.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class TableViewerForm : public Form {
    Q_OBJECT
public:
    enum class Order {
        Stored,  // as the rows arrive
        Text,    // the list keeps its lines in alphabetical order, ignoring case
        Number,  // the list keeps its lines in the numeric order of one field
    };
    using Title = FixedColumnTable::Title;
    struct Design {
        QString caption;
        QString table;
        QList<Title> heading;               // one title per cell
        QList<FixedColumnLine::Cell> cells;
        QString parent;                     // shown on Cancel; empty: just closes
        Order order = Order::Stored;
        QString orderField;                 // for Order::Number
        bool zeroPotential = false;         // a 0 in the second cell reads "0.000"
        Bound<QLabel> headingName = NAMED(Label1);
    };

    explicit TableViewerForm(Design design);

    void Form_Load() override;
    void cmdCancel_Click();

    const Design& design() const { return m_design; }
    // The cell widths of the current list (wider than the design's where a
    // formatted number needs more room).
    QList<int> widths() const { return m_widths; }
    // The lines of the list, top to bottom.
    QStringList lines() const;

    QListWidget* List1;
    QLabel* Label1;  // the heading
    QPushButton* cmdCancel;

private:
    void fill();

    Design m_design;
    QList<int> m_widths;
};
