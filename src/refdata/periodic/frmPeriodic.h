#pragma once
// The coloured periodic table: one button per element; a click opens the
// element's data sheet.
#include "platform/Forms.h"

#include <QHash>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStringList>

// The symbol of the element button clicked last; read by the data sheet.
extern QString SelectedSymbol;

class frmPeriodic : public Form {
    Q_OBJECT
public:
    enum class ElementClass { Solid, Gas, Liquid, Synthetic, Metalloid };

    struct Element {
        QString name;     // control name ("cmdH", "cmdRf", "cmdHa")
        QString caption;  // the symbol shown
        int row;          // periods 1-7; 8 lanthanides, 9 actinides
        int column;       // 1-18
        ElementClass kind;
    };

    frmPeriodic();
    void Form_Load() override;

    // Every element button's click (the buttons share one handler).
    void cmdElement_Click(QPushButton* button);
    void cmdCancel_Click();

    // The 109 elements in atomic-number order.
    static const QList<Element>& elements();
    // True for a symbol shown on one of the buttons.
    static bool isElementSymbol(const QString& symbol);
    static QColor buttonColour(ElementClass kind);

    QList<QPushButton*> ElementButtons;  // atomic-number order
    QPushButton* elementButton(const QString& name) const { return m_byName.value(name); }

    QPushButton* cmdCancel;
    QLabel* Label28;                 // the title
    QList<QLabel*> GroupLabels;      // "1" to "18"
    QList<QLabel*> PeriodLabels;     // "1" to "7"
    QLabel* lblLanthanides;
    QLabel* lblActinides;
    QList<QLabel*> LegendLabels;     // solids, liquids, gases, synthetic, metalloids

private:
    QHash<QString, QPushButton*> m_byName;
};
