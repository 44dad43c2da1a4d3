#include "Viewers.h"

namespace {
using Cell = FixedColumnLine::Cell;
using Title = TableViewerForm::Title;
using Order = TableViewerForm::Order;
using Design = TableViewerForm::Design;
using Picture::zeros;

const QString Standard = Picture::Standard;
const QString Scientific = Picture::Scientific;
const QString GeneralNumber = Picture::GeneralNumber;

Design viewer(const QString& caption, const QString& table, QList<Title> heading, QList<Cell> cells,
            const QString& parent = QString()) {
    Design s;
    s.caption = caption;
    s.table = table;
    s.heading = std::move(heading);
    s.cells = std::move(cells);
    s.parent = parent;
    return s;
}

Design sorted(Design s, Order order, const QString& field = QString()) {
    s.order = order;
    s.orderField = field;
    return s;
}

Design reductions() {
    Design s = viewer(QStringLiteral("Standard Reduction Potentials"), QStringLiteral("StandardReductions"),
                    {{2, QStringLiteral("Half-Reactions")}, {109, QStringLiteral("Volts")}},
                    {{QStringLiteral("HalfReaction"), 45, zeros(45), 0}, {QStringLiteral("Volts"), 7, QStringLiteral("##.####"), 4}});
    s.zeroPotential = true;
    s.headingName = QStringLiteral("Label2");
    return s;
}
}  // namespace

frmConstants::frmConstants()
    : TableViewerForm(sorted(viewer(QStringLiteral("Common Physical Constants"), QStringLiteral("Constants"),
                                   {{1, QStringLiteral("Constant")}, {69, QStringLiteral("Value")}},
                                   {{QStringLiteral("Constant"), 25, zeros(25), 0}, {QStringLiteral("value"), 17, Scientific, 6}},
                                   QStringLiteral("frmMain")),
                             Order::Text)) {}

frmSpecificHeats::frmSpecificHeats()
    : TableViewerForm(viewer(QStringLiteral("Specific Heat Values"), QStringLiteral("SpecificHeats"),
                            {{1, QStringLiteral("Substance")}, {31, QStringLiteral("J/g*C")}},
                            {{QStringLiteral("Substance"), 15, zeros(15), 0}, {QStringLiteral("SpecificHeat"), 7, Standard, 4}})) {}

frmSolConstants::frmSolConstants()
    : TableViewerForm(viewer(QStringLiteral("Solubility Constants"), QStringLiteral("SolubilityConstants"),
                            {{1, QStringLiteral("Substance")}, {19, QStringLiteral("Solubility")}},
                            {{QStringLiteral("Substance"), 10, zeros(10), 0}, {QStringLiteral("Ksp"), 12, Scientific, 3}})) {}

frmIonization::frmIonization()
    : TableViewerForm(viewer(QStringLiteral("First Ionization Energy"), QStringLiteral("IonizationEnergy"),
                            {{1, QStringLiteral("Substance")}, {33, QStringLiteral("Energy (kJ/mol)")}},
                            {{QStringLiteral("Substance"), 10, zeros(10), 0}, {QStringLiteral("FIE"), 12, Standard, 8}})) {}

frmThermodynamics::frmThermodynamics()
    : TableViewerForm(viewer(QStringLiteral("Thermodynamic Data"), QStringLiteral("ThermodynamicData"),
                            {{0, QStringLiteral("Substance")}, {31, QStringLiteral("Hf")}, {30, QStringLiteral("Gf")}, {33, QStringLiteral("S")}},
                            {{QStringLiteral("Substance"), 12, zeros(12), 0},
                             {QStringLiteral("Hf"), 12, Standard, 3},
                             {QStringLiteral("Gf"), 12, Standard, 2},
                             {QStringLiteral("S"), 12, Standard, 2}})) {}

// Listed in the numeric order of the temperature (100 after 99).
frmVaporPressure::frmVaporPressure()
    : TableViewerForm(sorted(viewer(QStringLiteral("Vapor Pressure of Water"), QStringLiteral("VaporPressure"),
                                   {{0, QStringLiteral("Temperature (C)")}, {9, QStringLiteral("Pressure kPa")}},
                                   {{QStringLiteral("Temperature"), 3, GeneralNumber, 0}, {QStringLiteral("Pressure"), 6, Standard, 11}}),
                             Order::Number, QStringLiteral("Temperature"))) {}

frmStandard::frmStandard() : TableViewerForm(reductions()) { Label2 = Label1; }

frmEnthalpies::frmEnthalpies()
    : TableViewerForm(viewer(QStringLiteral("Enthalpies"), QStringLiteral("Enthalpies"),
                            {{2, QStringLiteral("Element")}, {10, QStringLiteral("Heat of Fusion (kJ/mol)")}, {5, QStringLiteral("Heat of Vaporization (kJ/mol)")}},
                            {{QStringLiteral("Element"), 12, zeros(12), 0},
                             {QStringLiteral("EofFusion"), 12, Standard, 4},
                             {QStringLiteral("EofVaporization"), 12, Standard, 7}},
                            QStringLiteral("frmMain"))) {}

frmelectronegativities::frmelectronegativities()
    : TableViewerForm(viewer(QStringLiteral("Electronegativities"), QStringLiteral("Electronegativities"),
                            {{1, QStringLiteral("Element")}, {15, QStringLiteral("Electronegativity")}},
                            {{QStringLiteral("Element"), 12, zeros(12), 0}, {QStringLiteral("Electronegativity"), 12, Standard, 6}},
                            QStringLiteral("frmMain"))) {}

frmRadii::frmRadii()
    : TableViewerForm(viewer(QStringLiteral("Atomic Radii"), QStringLiteral("AtomicRadii"),
                            {{1, QStringLiteral("Element")}, {27, QStringLiteral("Radius (pm)")}},
                            {{QStringLiteral("Substance"), 13, zeros(13), 0}, {QStringLiteral("AtomicRadii"), 5, Standard, 2}},
                            QStringLiteral("frmAtomicData"))) {}

frmBonds::frmBonds()
    : TableViewerForm(viewer(QStringLiteral("Bond Length and Energy"), QStringLiteral("Bonds"),
                            {{2, QStringLiteral("Bond")}, {17, QStringLiteral("KJ/Mole")}, {13, QStringLiteral("Length(pm)")}},
                            {{QStringLiteral("Bond"), 7, zeros(7), 0},
                             {QStringLiteral("Energy"), 3, Standard, 4},
                             {QStringLiteral("Length"), 3, Standard, 8}},
                            QStringLiteral("frmAtomicData"))) {
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the Atomic Data screen."));
    List1->setToolTip(QStringLiteral("Find the energy and bond length for the type of bond you chose."));
}

frmExtraData::frmExtraData()
    : TableViewerForm(viewer(QStringLiteral("Extra Data"), QStringLiteral("GasDensity"),
                            {{0, QStringLiteral("Gas")}, {52, QStringLiteral("Density")}},
                            {{QStringLiteral("Gas"), 20, zeros(20), 0}, {QStringLiteral("Density"), 7, Standard, 2}},
                            QStringLiteral("frmMiscellaneous"))) {}

frmExtra2::frmExtra2()
    : TableViewerForm(viewer(QStringLiteral("Water Density"), QStringLiteral("WaterDensity"),
                            {{0, QStringLiteral("Temperature")}, {20, QStringLiteral("Density")}},
                            {{QStringLiteral("Temperature"), 5, GeneralNumber, 0}, {QStringLiteral("Density"), 8, QStringLiteral("#.#####"), 9}},
                            QStringLiteral("frmMiscellaneous"))) {}

frmAffinities::frmAffinities()
    : TableViewerForm(viewer(QStringLiteral("Electron Affinities"), QStringLiteral("Affinities"),
                            {{1, QStringLiteral("Element")}, {25, QStringLiteral("KiloJoules/Mole")}},
                            {{QStringLiteral("Element"), 12, zeros(5), 0}, {QStringLiteral("Affinity"), 6, Standard, 5}},
                            QStringLiteral("frmAtomicData"))) {
    cmdCancel->setToolTip(QStringLiteral("Close screen and return to the main screen."));
    List1->setToolTip(QStringLiteral("Look up the affinity for the element you chose."));
}

frmCharacter::frmCharacter()
    : TableViewerForm(viewer(QStringLiteral("Bond Character"), QStringLiteral("Character"),
                            {{0, QStringLiteral("Difference")}, {15, QStringLiteral("%Ionic")}, {14, QStringLiteral("% Covalent")}},
                            {{QStringLiteral("Difference"), 4, Standard, 0},
                             {QStringLiteral("Ionic"), 4, Standard, 7},
                             {QStringLiteral("Covalent"), 4, Standard, 7}},
                            QStringLiteral("frmAtomicData"))) {
    cmdCancel->setToolTip(QStringLiteral("Close screen and return to the main screen."));
    List1->setToolTip(QStringLiteral("Shows the difference in electronegativities and the precent of each type of bond."));
}

frmHalfLives::frmHalfLives()
    : TableViewerForm(sorted(viewer(QStringLiteral("Half Lives"), QStringLiteral("HalfLives"),
                                   {{2, QStringLiteral("Element")}, {26, QStringLiteral("Half Life")}, {28, QStringLiteral("Decay Mode")}},
                                   {{QStringLiteral("Substance"), 10, zeros(10), 0},
                                    {QStringLiteral("HalfLife"), 12, Standard, 2},
                                    {QStringLiteral("DecayMode"), 12, Standard, 4}},
                                   QStringLiteral("frmAtomicData")),
                             Order::Text)) {}
