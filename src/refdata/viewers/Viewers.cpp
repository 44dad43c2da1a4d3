#include "Viewers.h"

namespace {
using Order = TableViewerForm::Order;
using Picture::zeros;

const QString Standard = Picture::Standard;
const QString Scientific = Picture::Scientific;
const QString GeneralNumber = Picture::GeneralNumber;
}  // namespace

frmConstants::frmConstants()
    : TableViewerForm(
          {.caption = QStringLiteral("Common Physical Constants"),
           .table = QStringLiteral("Constants"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Constant")},
                       {.blanksBefore = 69, .text = QStringLiteral("Value")}},
           .cells = {{.field = QStringLiteral("Constant"), .width = 25, .picture = zeros(25)},
                     {.field = QStringLiteral("value"), .width = 17, .picture = Scientific, .blanksBefore = 6}},
           .parent = QStringLiteral("frmMain"),
           .order = Order::Text}) {}

frmSpecificHeats::frmSpecificHeats()
    : TableViewerForm(
          {.caption = QStringLiteral("Specific Heat Values"),
           .table = QStringLiteral("SpecificHeats"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Substance")},
                       {.blanksBefore = 31, .text = QStringLiteral("J/g*C")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 15, .picture = zeros(15)},
                     {.field = QStringLiteral("SpecificHeat"), .width = 7, .picture = Standard, .blanksBefore = 4}}}) {}

frmSolConstants::frmSolConstants()
    : TableViewerForm(
          {.caption = QStringLiteral("Solubility Constants"),
           .table = QStringLiteral("SolubilityConstants"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Substance")},
                       {.blanksBefore = 19, .text = QStringLiteral("Ksp")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 10, .picture = zeros(10)},
                     {.field = QStringLiteral("Ksp"), .width = 12, .picture = Scientific, .blanksBefore = 3}}}) {}

frmIonization::frmIonization()
    : TableViewerForm(
          {.caption = QStringLiteral("First Ionization Energy"),
           .table = QStringLiteral("IonizationEnergy"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Substance")},
                       {.blanksBefore = 33, .text = QStringLiteral("Energy (kJ/mol)")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 10, .picture = zeros(10)},
                     {.field = QStringLiteral("FIE"), .width = 12, .picture = Standard, .blanksBefore = 8}}}) {}

frmThermodynamics::frmThermodynamics()
    : TableViewerForm(
          {.caption = QStringLiteral("Thermodynamic Data"),
           .table = QStringLiteral("ThermodynamicData"),
           .heading = {{.blanksBefore = 0, .text = QStringLiteral("Substance")},
                       {.blanksBefore = 31, .text = QStringLiteral("Hf")},
                       {.blanksBefore = 30, .text = QStringLiteral("Gf")},
                       {.blanksBefore = 33, .text = QStringLiteral("S")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 12, .picture = zeros(12)},
                     {.field = QStringLiteral("Hf"), .width = 12, .picture = Standard, .blanksBefore = 3},
                     {.field = QStringLiteral("Gf"), .width = 12, .picture = Standard, .blanksBefore = 2},
                     {.field = QStringLiteral("S"), .width = 12, .picture = Standard, .blanksBefore = 2}}}) {}

// Listed in the numeric order of the temperature (100 after 99).
frmVaporPressure::frmVaporPressure()
    : TableViewerForm(
          {.caption = QStringLiteral("Vapor Pressure of Water"),
           .table = QStringLiteral("VaporPressure"),
           .heading = {{.blanksBefore = 0, .text = QStringLiteral("Temperature (C)")},
                       {.blanksBefore = 9, .text = QStringLiteral("Pressure kPa")}},
           .cells = {{.field = QStringLiteral("Temperature"), .width = 3, .picture = GeneralNumber},
                     {.field = QStringLiteral("Pressure"), .width = 6, .picture = Standard, .blanksBefore = 11}},
           .order = Order::Number,
           .orderField = QStringLiteral("Temperature")}) {}

frmStandard::frmStandard()
    : TableViewerForm({.caption = QStringLiteral("Standard Reduction Potentials"),
                       .table = QStringLiteral("StandardReductions"),
                       .heading = {{.blanksBefore = 2, .text = QStringLiteral("Half-Reactions")},
                                   {.blanksBefore = 109, .text = QStringLiteral("Volts")}},
                       .cells = {{.field = QStringLiteral("HalfReaction"), .width = 45, .picture = zeros(45)},
                                 {.field = QStringLiteral("Volts"),
                                  .width = 7,
                                  .picture = QStringLiteral("##.####"),
                                  .blanksBefore = 4}},
                       .zeroPotential = true,
                       .headingName = BIND(*this, Label2)}) {}

frmEnthalpies::frmEnthalpies()
    : TableViewerForm(
          {.caption = QStringLiteral("Enthalpies"),
           .table = QStringLiteral("Enthalpies"),
           .heading = {{.blanksBefore = 2, .text = QStringLiteral("Element")},
                       {.blanksBefore = 10, .text = QStringLiteral("Heat of Fusion (kJ/mol)")},
                       {.blanksBefore = 5, .text = QStringLiteral("Heat of Vaporization (kJ/mol)")}},
           .cells = {{.field = QStringLiteral("Element"), .width = 12, .picture = zeros(12)},
                     {.field = QStringLiteral("EofFusion"), .width = 12, .picture = Standard, .blanksBefore = 4},
                     {.field = QStringLiteral("EofVaporization"), .width = 12, .picture = Standard, .blanksBefore = 7}},
           .parent = QStringLiteral("frmMain")}) {}

frmelectronegativities::frmelectronegativities()
    : TableViewerForm(
          {.caption = QStringLiteral("Electronegativities"),
           .table = QStringLiteral("Electronegativities"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Element")},
                       {.blanksBefore = 15, .text = QStringLiteral("Electronegativity")}},
           .cells =
               {{.field = QStringLiteral("Element"), .width = 12, .picture = zeros(12)},
                {.field = QStringLiteral("Electronegativity"), .width = 12, .picture = Standard, .blanksBefore = 6}},
           .parent = QStringLiteral("frmMain")}) {}

frmRadii::frmRadii()
    : TableViewerForm(
          {.caption = QStringLiteral("Atomic Radii"),
           .table = QStringLiteral("AtomicRadii"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Element")},
                       {.blanksBefore = 27, .text = QStringLiteral("Radius (pm)")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 13, .picture = zeros(13)},
                     {.field = QStringLiteral("AtomicRadii"), .width = 5, .picture = Standard, .blanksBefore = 2}},
           .parent = QStringLiteral("frmAtomicData")}) {}

frmBonds::frmBonds()
    : TableViewerForm(
          {.caption = QStringLiteral("Bond Length and Energy"),
           .table = QStringLiteral("Bonds"),
           .heading = {{.blanksBefore = 2, .text = QStringLiteral("Bond")},
                       {.blanksBefore = 17, .text = QStringLiteral("KJ/Mole")},
                       {.blanksBefore = 13, .text = QStringLiteral("Length(pm)")}},
           .cells = {{.field = QStringLiteral("Bond"), .width = 7, .picture = zeros(7)},
                     {.field = QStringLiteral("Energy"), .width = 3, .picture = Standard, .blanksBefore = 4},
                     {.field = QStringLiteral("Length"), .width = 3, .picture = Standard, .blanksBefore = 8}},
           .parent = QStringLiteral("frmAtomicData")}) {
    cmdCancel->setToolTip(QStringLiteral("Close the screen and return to the Atomic Data screen."));
    List1->setToolTip(QStringLiteral("Find the energy and bond length for the type of bond you chose."));
}

frmExtraData::frmExtraData()
    : TableViewerForm(
          {.caption = QStringLiteral("Extra Data"),
           .table = QStringLiteral("GasDensity"),
           .heading = {{.blanksBefore = 0, .text = QStringLiteral("Gas")},
                       {.blanksBefore = 52, .text = QStringLiteral("Density")}},
           .cells = {{.field = QStringLiteral("Gas"), .width = 20, .picture = zeros(20)},
                     {.field = QStringLiteral("Density"), .width = 7, .picture = Standard, .blanksBefore = 2}},
           .parent = QStringLiteral("frmMiscellaneous")}) {}

frmExtra2::frmExtra2()
    : TableViewerForm({.caption = QStringLiteral("Water Density"),
                       .table = QStringLiteral("WaterDensity"),
                       .heading = {{.blanksBefore = 0, .text = QStringLiteral("Temperature")},
                                   {.blanksBefore = 20, .text = QStringLiteral("Density")}},
                       .cells = {{.field = QStringLiteral("Temperature"), .width = 5, .picture = GeneralNumber},
                                 {.field = QStringLiteral("Density"),
                                  .width = 8,
                                  .picture = QStringLiteral("#.#####"),
                                  .blanksBefore = 9}},
                       .parent = QStringLiteral("frmMiscellaneous")}) {}

frmAffinities::frmAffinities()
    : TableViewerForm(
          {.caption = QStringLiteral("Electron Affinities"),
           .table = QStringLiteral("Affinities"),
           .heading = {{.blanksBefore = 1, .text = QStringLiteral("Element")},
                       {.blanksBefore = 25, .text = QStringLiteral("KiloJoules/Mole")}},
           .cells = {{.field = QStringLiteral("Element"), .width = 12, .picture = zeros(5)},
                     {.field = QStringLiteral("Affinity"), .width = 6, .picture = Standard, .blanksBefore = 5}},
           .parent = QStringLiteral("frmAtomicData")}) {
    cmdCancel->setToolTip(QStringLiteral("Close screen and return to the main screen."));
    List1->setToolTip(QStringLiteral("Look up the affinity for the element you chose."));
}

frmCharacter::frmCharacter()
    : TableViewerForm(
          {.caption = QStringLiteral("Bond Character"),
           .table = QStringLiteral("Character"),
           .heading = {{.blanksBefore = 0, .text = QStringLiteral("Difference")},
                       {.blanksBefore = 15, .text = QStringLiteral("%Ionic")},
                       {.blanksBefore = 14, .text = QStringLiteral("% Covalent")}},
           .cells = {{.field = QStringLiteral("Difference"), .width = 4, .picture = Standard},
                     {.field = QStringLiteral("Ionic"), .width = 4, .picture = Standard, .blanksBefore = 7},
                     {.field = QStringLiteral("Covalent"), .width = 4, .picture = Standard, .blanksBefore = 7}},
           .parent = QStringLiteral("frmAtomicData")}) {
    cmdCancel->setToolTip(QStringLiteral("Close screen and return to the main screen."));
    List1->setToolTip(
        QStringLiteral("Shows the difference in electronegativities and the precent of each type of bond."));
}

frmHalfLives::frmHalfLives()
    : TableViewerForm(
          {.caption = QStringLiteral("Half Lives"),
           .table = QStringLiteral("HalfLives"),
           .heading = {{.blanksBefore = 2, .text = QStringLiteral("Element")},
                       {.blanksBefore = 26, .text = QStringLiteral("Half Life")},
                       {.blanksBefore = 28, .text = QStringLiteral("Decay Mode")}},
           .cells = {{.field = QStringLiteral("Substance"), .width = 10, .picture = zeros(10)},
                     {.field = QStringLiteral("HalfLife"), .width = 12, .picture = Standard, .blanksBefore = 2},
                     {.field = QStringLiteral("DecayMode"), .width = 12, .picture = Standard, .blanksBefore = 4}},
           .parent = QStringLiteral("frmAtomicData"),
           .order = Order::Text}) {}
