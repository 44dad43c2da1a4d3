#pragma once
#include "platform/Forms.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

class frmMain : public Form {
    Q_OBJECT
public:
    frmMain();
    void Form_Unload() override;  // Form_QueryUnload: every path of closing

    // Buttons, in tab order.
    QPushButton* cmdGeneral;
    QPushButton* cmdPeriodic;
    QPushButton* cmdMoles;
    QPushButton* cmdWeights;
    QPushButton* cmdEquations;
    QPushButton* cmdGases;
    QPushButton* cmdSolutions;
    QPushButton* cmdAcids;
    QPushButton* cmdCalculator;
    QPushButton* cmdHelp;
    QPushButton* cmdConstants;
    QPushButton* cmdSpecificHeats;
    QPushButton* cmdSolubility;
    QPushButton* cmdIonization;
    QPushButton* cmdUserManual;
    QPushButton* cmdGlossary;
    QPushButton* cmdEnergies;
    QPushButton* cmdVaporPressure;
    QPushButton* cmdReduction;
    QPushButton* cmdEnthalpies;
    QPushButton* cmdElectronegativity;
    QPushButton* cmdAtomicData;
    QLabel* Image1[9];

    QMenuBar* menuBar;
    // Menu item by control name ("mnuExit").
    QAction* menuItem(const QString& name) const;

    void cmdCalculator_Click();
    void cmdUserManual_Click();
    void mnuExit_Click();

private:
    QPushButton* button(const QString& name, const QString& caption, const QString& target);
    QAction* item(QMenu* menu, const QString& name, const QString& caption, const QString& target);
};
