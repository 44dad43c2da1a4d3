#include "frmMain.h"
#include "Pictures.h"

#include "platform/Program.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

namespace {
const QStringList CalculatorPrograms = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
    QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QPushButton* frmMain::button(const QString& name, const QString& caption, const QString& target) {
    QPushButton* b = makeButton(name, caption);
    if (!target.isEmpty()) connect(b, &QPushButton::clicked, this, [target] { Forms::show(target); });
    return b;
}

QAction* frmMain::item(QMenu* menu, const QString& name, const QString& caption, const QString& target) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!target.isEmpty()) connect(a, &QAction::triggered, this, [target] { Forms::show(target); });
    return a;
}

QAction* frmMain::menuItem(const QString& name) const {
    return menuBar->findChild<QAction*>(name);
}

frmMain::frmMain() {
    showManualOnF1();
    setWindowTitle(QStringLiteral("Orwent Software - Tessival"));

    cmdGeneral = button(QStringLiteral("cmdGeneral"), QStringLiteral("General"), QStringLiteral("frmGeneralChoice"));
    cmdPeriodic = button(QStringLiteral("cmdPeriodic"), QStringLiteral("Tables"), QStringLiteral("frmTableChoice"));
    cmdMoles = button(QStringLiteral("cmdMoles"), QStringLiteral("Moles"), QStringLiteral("frmMoleChoice"));
    cmdWeights = button(QStringLiteral("cmdWeights"), QStringLiteral("Weights"), QStringLiteral("frmWeightChoice"));
    cmdEquations = button(QStringLiteral("cmdEquations"), QStringLiteral("Reactions"), QStringLiteral("frmReactionChoice"));
    cmdGases = button(QStringLiteral("cmdGases"), QStringLiteral("Gases"), QStringLiteral("frmGasLaws"));
    cmdSolutions = button(QStringLiteral("cmdSolutions"), QStringLiteral("Solutions"), QStringLiteral("frmSolutions"));
    cmdAcids = button(QStringLiteral("cmdAcids"), QStringLiteral("Acids"), QStringLiteral("frmAcids"));
    cmdCalculator = button(QStringLiteral("cmdCalculator"), QStringLiteral("Calculator"), QString());
    cmdCalculator->setToolTip(QStringLiteral("Loads Windows calculator"));
    connect(cmdCalculator, &QPushButton::clicked, this, &frmMain::cmdCalculator_Click);
    cmdHelp = button(QStringLiteral("cmdHelp"), QStringLiteral("Energy"), QStringLiteral("frmEnergy"));
    cmdConstants = button(QStringLiteral("cmdConstants"), QStringLiteral("Physical Constants"), QStringLiteral("frmConstants"));
    cmdSpecificHeats = button(QStringLiteral("cmdSpecificHeats"), QStringLiteral("Specific Heats"), QStringLiteral("frmSpecificHeats"));
    cmdSolubility = button(QStringLiteral("cmdSolubility"), QStringLiteral("Solubility Constants"), QStringLiteral("frmSolConstants"));
    cmdIonization = button(QStringLiteral("cmdIonization"), QStringLiteral("Ionization Energy"), QStringLiteral("frmIonization"));
    cmdUserManual = button(QStringLiteral("cmdUserManual"), QStringLiteral("Help"), QString());
    connect(cmdUserManual, &QPushButton::clicked, this, &frmMain::cmdUserManual_Click);
    cmdGlossary = button(QStringLiteral("cmdGlossary"), QStringLiteral("Densities"), QStringLiteral("frmMiscellaneous"));
    cmdEnergies = button(QStringLiteral("cmdEnergies"), QStringLiteral("Thermodynamic Data"), QStringLiteral("frmThermodynamics"));
    cmdVaporPressure = button(QStringLiteral("cmdVaporPressure"), QStringLiteral("Water Vapor Pressure"), QStringLiteral("frmVaporPressure"));
    cmdReduction = button(QStringLiteral("cmdReduction"), QStringLiteral("Reduction Potentials"), QStringLiteral("frmStandard"));
    cmdEnthalpies = button(QStringLiteral("cmdEnthalpies"), QStringLiteral("Enthalpies"), QStringLiteral("frmEnthalpies"));
    cmdElectronegativity = button(QStringLiteral("cmdElectronegativity"), QStringLiteral("Electronegativity"), QStringLiteral("frmelectronegativities"));
    cmdAtomicData = button(QStringLiteral("cmdAtomicData"), QStringLiteral("Atomic Data"), QStringLiteral("frmAtomicData"));

    // Layout: ten across the top, two rows of six along the bottom, the
    // watermark tiled three by three between them.
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    for (QPushButton* b : {cmdGeneral, cmdPeriodic, cmdMoles, cmdWeights, cmdEquations, cmdSolutions, cmdGases,
                           cmdAcids, cmdHelp, cmdCalculator})
        top->addWidget(b);
    auto* tiles = new QGridLayout;
    tiles->setSpacing(0);
    const QPixmap mark = Pictures::watermark();
    for (int i = 0; i < 9; ++i) {
        Image1[i] = new QLabel(this);
        Image1[i]->setObjectName(QStringLiteral("Image1_%1").arg(i));
        Image1[i]->setPixmap(mark);
        Image1[i]->setFixedSize(mark.size());
        tiles->addWidget(Image1[i], i / 3, i % 3);
    }
    auto* upper = new QHBoxLayout;
    upper->setSpacing(2);
    for (QPushButton* b : {cmdConstants, cmdSpecificHeats, cmdSolubility, cmdIonization, cmdAtomicData, cmdGlossary})
        upper->addWidget(b);
    auto* lower = new QHBoxLayout;
    lower->setSpacing(2);
    for (QPushButton* b : {cmdEnergies, cmdVaporPressure, cmdReduction, cmdEnthalpies, cmdElectronegativity, cmdUserManual})
        lower->addWidget(b);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    auto menu = [this](const QString& name, const QString& caption) {
        QMenu* m = menuBar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    QMenu* mnuFile = menu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    QAction* exit = item(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QString());
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    QMenu* m = menu(QStringLiteral("mnuGeneral"), QStringLiteral("&General"));
    item(m, QStringLiteral("mnuSignificantfigures"), QStringLiteral("Significant Figures"), QStringLiteral("frmSigfig"));
    item(m, QStringLiteral("mnuTemperatureconversions"), QStringLiteral("Temperature Conversions"), QStringLiteral("frmTemperatures"));
    item(m, QStringLiteral("mnuMetricconversions"), QStringLiteral("Metric Conversions"), QStringLiteral("frmMetrics"));
    item(m, QStringLiteral("mnuEnglishMetrics"), QStringLiteral("English-Metrics"), QStringLiteral("frmEnglish"));
    item(m, QStringLiteral("mnuTime"), QStringLiteral("Time Conversions"), QStringLiteral("frmTime"));
    item(m, QStringLiteral("mnuDensity"), QStringLiteral("Density"), QStringLiteral("frmDensity"));
    item(m, QStringLiteral("mnuVolume"), QStringLiteral("Volume"), QStringLiteral("frmVolume"));
    item(m, QStringLiteral("mnuMassWeight"), QStringLiteral("Mass - Weight"), QStringLiteral("frmMassToWeight"));

    m = menu(QStringLiteral("mnuTable"), QStringLiteral("&Table"));
    item(m, QStringLiteral("mnuRegularTable"), QStringLiteral("Regular Periodic Table"), QStringLiteral("frmPeriodic"));
    item(m, QStringLiteral("mnuAtomicRadii"), QStringLiteral("Atomic Radii Table"), QStringLiteral("frmPTable2"));
    item(m, QStringLiteral("mnuElectronegativity"), QStringLiteral("Electronegativity Table"), QStringLiteral("frmPTable3"));
    item(m, QStringLiteral("mnuAffinity"), QStringLiteral("Affinity Table"), QStringLiteral("frmPTable4"));
    item(m, QStringLiteral("mnuIonization"), QStringLiteral("Ionization Table"), QStringLiteral("frmPTable5"));
    item(m, QStringLiteral("mnuDensityTable"), QStringLiteral("Density Table"), QStringLiteral("frmPTable6"));
    item(m, QStringLiteral("mnuBoilingPointTable"), QStringLiteral("Boiling Point Table"), QStringLiteral("frmPTable7"));

    m = menu(QStringLiteral("mnuMoles"), QStringLiteral("&Moles"));
    item(m, QStringLiteral("mnuMoleCalculations"), QStringLiteral("Mole Calculations"), QStringLiteral("fmrMoles"));
    item(m, QStringLiteral("munAveAtMass"), QStringLiteral("Average Atomic Mass"), QStringLiteral("frmAverageMass"));
    item(m, QStringLiteral("mnuMassEnergy"), QStringLiteral("Mass And Energy"), QStringLiteral("frmMassEnergy"));
    item(m, QStringLiteral("mnuBuildAnAtom"), QStringLiteral("Build An Atom"), QStringLiteral("frmBuildAtoms"));

    m = menu(QStringLiteral("mnuWeights"), QStringLiteral("&Weights"));
    item(m, QStringLiteral("mnuMoleculeWeight"), QStringLiteral("Molecule Weight"), QStringLiteral("frmWeights"));
    item(m, QStringLiteral("mnuMolecularCalculations"), QStringLiteral("Molecular Calculations"), QStringLiteral("frmWeightCalculations"));

    m = menu(QStringLiteral("mnuReactions"), QStringLiteral("&Reactions"));
    item(m, QStringLiteral("mnuBalancingEquations"), QStringLiteral("Balancing Equations"), QStringLiteral("frmReactions"));
    item(m, QStringLiteral("mnuMassMassRelationships"), QStringLiteral("Mass Mass Relationships"), QStringLiteral("frmMass"));

    m = menu(QStringLiteral("mnuSolutions"), QStringLiteral("&Solutions"));
    item(m, QStringLiteral("mnuMolarityMolality"), QStringLiteral("Molarity/Molality"), QStringLiteral("frmMolarity"));
    item(m, QStringLiteral("mnuHenrysLaw"), QStringLiteral("Henrys Law"), QStringLiteral("frmHenrys"));
    item(m, QStringLiteral("mnuFPBPChange"), QStringLiteral("FP/BP Change"), QStringLiteral("frmFreezing"));
    item(m, QStringLiteral("mnuSolubilityConstant"), QStringLiteral("Solubility Constant"), QStringLiteral("frmSolubilityConstants"));
    item(m, QStringLiteral("mnuEquilibriumConstant"), QStringLiteral("Equilibrium Constant"), QStringLiteral("frmEquilibriumConstant"));
    item(m, QStringLiteral("mnuTitration"), QStringLiteral("Titration"), QStringLiteral("frmTitration"));
    item(m, QStringLiteral("mnuIonizationconstant"), QStringLiteral("Ionization Constant"), QStringLiteral("frmionizationConstant"));
    item(m, QStringLiteral("mnuMoleFraction"), QStringLiteral("Mole Fraction and Percent"), QStringLiteral("frmMoleFraction"));

    m = menu(QStringLiteral("mnuGases"), QStringLiteral("G&ases"));
    item(m, QStringLiteral("mnuCharlesLaw"), QStringLiteral("Charles Law"), QStringLiteral("frmCharlesLaw"));
    item(m, QStringLiteral("mnuBoyleslaw"), QStringLiteral("Boyles Law"), QStringLiteral("frmBoyles"));
    item(m, QStringLiteral("mnuIdealgaslaw"), QStringLiteral("Ideal Gas Law"), QStringLiteral("frmIdeal"));
    item(m, QStringLiteral("mnuMolecularWeight"), QStringLiteral("Molecular Weight"), QStringLiteral("frmMolecularWeight"));
    item(m, QStringLiteral("mnuGasdensity"), QStringLiteral("Gas Density"), QStringLiteral("frmGasDensity"));
    item(m, QStringLiteral("mnuDaltons"), QStringLiteral("Dalton's Partial Pressure"), QStringLiteral("frmDalton"));
    item(m, QStringLiteral("mnuCombined"), QStringLiteral("Combined Gas Law"), QStringLiteral("frmCombinedLaws"));
    item(m, QStringLiteral("mnuMolarVolume"), QStringLiteral("Molar Volume"), QStringLiteral("frmMolarVolume"));
    item(m, QStringLiteral("mnuMassVolume"), QStringLiteral("Mass Gas Volume"), QStringLiteral("frmMassVolume"));
    item(m, QStringLiteral("mnuVolumeVolume"), QStringLiteral("Volume - Volume"), QStringLiteral("frmVolumeVolume"));
    item(m, QStringLiteral("mnuGayLussac"), QStringLiteral("Gay Lussac's Law"), QStringLiteral("frmGayLussac"));
    item(m, QStringLiteral("mnuRaoults"), QStringLiteral("Raoult's Law"), QStringLiteral("frmRaoults"));
    item(m, QStringLiteral("mnuGrahams"), QStringLiteral("Graham's Law"), QStringLiteral("frmGrahams"));

    QAction* acids = menuBar->addAction(QStringLiteral("A&cids"));
    acids->setObjectName(QStringLiteral("mnuAcids"));
    connect(acids, &QAction::triggered, this, [] { Forms::show(QStringLiteral("frmAcids")); });

    m = menu(QStringLiteral("mnuEnergy"), QStringLiteral("&Energy"));
    item(m, QStringLiteral("mnuEnergychange"), QStringLiteral("Energy Change/Transfer"), QStringLiteral("frmEnergyChange"));
    item(m, QStringLiteral("mnuThermodynamics"), QStringLiteral("Thermodynamics"), QStringLiteral("frmThermoData"));
    item(m, QStringLiteral("mnuFaradays"), QStringLiteral("Faraday's Law"), QStringLiteral("frmFaradays"));
    item(m, QStringLiteral("mnuChangeOfState"), QStringLiteral("Energy and Change of State"), QStringLiteral("frmChangeOfState"));
    item(m, QStringLiteral("mnuHalfLife"), QStringLiteral("Half Life"), QStringLiteral("frmHalfLife"));

    QAction* calc = menuBar->addAction(QStringLiteral("Calculator"));
    calc->setObjectName(QStringLiteral("mnuCalculatorChoice"));
    connect(calc, &QAction::triggered, this, &frmMain::cmdCalculator_Click);

    m = menu(QStringLiteral("mnuHelp"), QStringLiteral("Help"));
    item(m, QStringLiteral("mnuAbout"), QStringLiteral("About"), QStringLiteral("frmAbout"));
    item(m, QStringLiteral("mnuAssistance"), QStringLiteral("Help"), QStringLiteral("frmHelp"));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->setMenuBar(menuBar);
    v->addLayout(top);
    v->addLayout(tiles);
    v->addLayout(upper);
    v->addLayout(lower);

    // Tab order as the buttons are numbered.
    orderTabs({cmdGeneral, cmdPeriodic, cmdMoles, cmdWeights, cmdEquations, cmdGases, cmdSolutions,
                             cmdAcids, cmdCalculator, cmdHelp, cmdConstants, cmdSpecificHeats, cmdSolubility,
                             cmdIonization, cmdUserManual, cmdGlossary, cmdEnergies, cmdVaporPressure, cmdReduction,
                             cmdEnthalpies, cmdElectronegativity, cmdAtomicData});
    cmdGeneral->setFocus();
    setFixedBorder();
}

void frmMain::Form_Unload() {
    // Closing the main window unloads every window and ends the program.
    for (Form* f : Forms::loadedForms())
        if (f != this) Forms::unload(f);
    QCoreApplication::quit();
}

void frmMain::cmdCalculator_Click() {
    if (!Program::startFirst(CalculatorPrograms))
        say(QStringLiteral("The calculator program could not be started."), ExclamationStyle);
}

void frmMain::cmdUserManual_Click() {
    say(QStringLiteral("For Help, read the User Manual\n\ror press the ? button.\n\ror press F1."), InformationStyle);
}

void frmMain::mnuExit_Click() { Forms::unload(this); }
