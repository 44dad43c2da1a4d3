#pragma once
// The coloured periodic table: one button per element; a click opens the
// element's data sheet.
#include "platform/Forms.h"
#include "refdata/periodic/PeriodicElements.h"

#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStringList>

class frmPeriodic : public Form {
    Q_OBJECT
public:
    using ElementClass = PeriodicElements::ElementClass;
    using Element = PeriodicElements::Element;

    frmPeriodic();
    void Form_Load() override;

    // Every element button's click (the buttons share one handler).
    void cmdElement_Click(QPushButton* button);
    void cmdCancel_Click();

    static QColor buttonColour(ElementClass kind);

    QList<QPushButton*> ElementButtons;  // atomic-number order

    QPushButton* cmdCancel;
    QLabel* Label28;                 // the title
    QList<QLabel*> GroupLabels;      // "1" to "18"
    QList<QLabel*> PeriodLabels;     // "1" to "7"
    QLabel* lblLanthanides;
    QLabel* lblActinides;
    QList<QLabel*> LegendLabels;     // solids, liquids, gases, synthetic, metalloids
};
