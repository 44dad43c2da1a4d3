#include "ReferenceSchema.h"

namespace ReferenceSchema {

namespace {
Field integer(const char* name) { return {QLatin1String(name), QStringLiteral("INTEGER")}; }
Field real(const char* name) { return {QLatin1String(name), QStringLiteral("REAL")}; }
Field text(const char* name) { return {QLatin1String(name), QStringLiteral("TEXT")}; }

QList<Table> makeTables() {
    return {
        {QStringLiteral("GeneralInfo"),
         {integer("AtomicNumber"), text("Symbol"), text("ElementName"), real("AtomicWeight"), text("State"),
          text("Charge"), text("Configuration"), text("GroupName"), real("Density"), real("FreezingPoint"),
          real("BoilingPoint")}},
        {QStringLiteral("VaporPressure"), {integer("Temperature"), real("Pressure")}},
        {QStringLiteral("MolecularWeights"), {text("Substance"), real("Weight")}},
        {QStringLiteral("Temperatures"),
         {text("Compound"), real("FreezingPoint"), real("FPDepression"), real("BoilingPoint"), real("BPElevation")}},
        {QStringLiteral("Constants"), {text("Constant"), real("value")}},
        {QStringLiteral("SpecificHeats"), {text("Substance"), real("SpecificHeat")}},
        {QStringLiteral("SolubilityConstants"), {text("Substance"), real("Ksp")}},
        {QStringLiteral("IonizationEnergy"), {text("Substance"), real("FIE"), integer("AtomicNumber")}},
        {QStringLiteral("ThermodynamicData"), {text("Substance"), real("Hf"), real("Gf"), real("S")}},
        {QStringLiteral("StandardReductions"), {text("HalfReaction"), real("Volts")}},
        {QStringLiteral("Enthalpies"), {text("Element"), real("EofFusion"), real("EofVaporization")}},
        {QStringLiteral("Electronegativities"), {text("Element"), real("Electronegativity"), integer("AtomicNumber")}},
        {QStringLiteral("AtomicRadii"), {text("Substance"), integer("AtomicRadii"), integer("AtomicNumber")}},
        {QStringLiteral("Affinities"), {text("Element"), real("Affinity"), integer("AtomicNumber")}},
        {QStringLiteral("Bonds"), {text("Bond"), integer("Energy"), integer("Length")}},
        {QStringLiteral("Character"), {real("Difference"), integer("Ionic"), integer("Covalent")}},
        {QStringLiteral("GasDensity"), {text("Gas"), real("Density")}},
        {QStringLiteral("WaterDensity"), {integer("Temperature"), real("Density")}},
        // Texts only ("12.32 y").
        {QStringLiteral("HalfLives"), {text("Substance"), text("HalfLife"), text("DecayMode")}},
    };
}
}  // namespace

const QList<Table>& tables() {
    static const QList<Table> t = makeTables();
    return t;
}

bool isNumber(const QString& table, const QString& field) {
    for (const Table& t : tables()) {
        if (t.name != table) continue;
        for (const Field& f : t.fields)
            if (f.name == field) return f.type != QLatin1String("TEXT");
    }
    return false;
}

}  // namespace ReferenceSchema
