#pragma once
// A line chart of one element property against the atomic number, read from
// the leading rows of one table when the window loads.
#include "platform/Forms.h"

#include <QPushButton>
#include <QVariant>
#include <QVector>
#include <QtCharts/QChartView>

class ChartForm : public Form {
    Q_OBJECT
public:
    // What makes one chart window.
    struct Design {
        QString caption;
        QString query;
        QString field;
        int rows;
        QString title;
        QString valueTitle;
        QString toolTip;
        QString description;
        bool cancelIsDefault = false;
    };

    // One row of the chart table: the category label and the stored value.
    struct ChartRow {
        QString label;
        QVariant value;
    };

    explicit ChartForm(const Design& design);
    void Form_Load() override;
    QSize sizeHint() const override { return QSize(960, 640); }

    void cmdDescription_Click();
    void cmdCancel_Click();

    const Design& design() const { return m_design; }
    // The rows read at load, at most the design's row count, in stored order.
    const QVector<ChartRow>& chartTable() const { return m_table; }

    QChartView* MSChart1;
    QPushButton* cmdCancel;
    QPushButton* cmdDescription;

private:
    class AxisLabels;
    void readTable();
    void plot();

    AxisLabels* m_axisLabels = nullptr;
    Design m_design;
    QVector<ChartRow> m_table;
};

class frmPTable2 : public ChartForm {
    Q_OBJECT
public:
    frmPTable2();
};
class frmPTable3 : public ChartForm {
    Q_OBJECT
public:
    frmPTable3();
};
class frmPTable4 : public ChartForm {
    Q_OBJECT
public:
    frmPTable4();
};
class frmPTable5 : public ChartForm {
    Q_OBJECT
public:
    frmPTable5();
};
class frmPTable6 : public ChartForm {
    Q_OBJECT
public:
    frmPTable6();
};
class frmPTable7 : public ChartForm {
    Q_OBJECT
public:
    frmPTable7();
};
