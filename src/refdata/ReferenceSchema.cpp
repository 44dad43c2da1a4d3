#include "ReferenceSchema.h"

#include <QHash>
#include <QSet>

namespace ReferenceSchema {

namespace {
using Fields = QSet<QString>;

const QHash<QString, Fields>& numberFields() {
    static const QHash<QString, Fields> t = {
        {QStringLiteral("GeneralInfo"),
         {QStringLiteral("AtomicNumber"), QStringLiteral("AtomicWeight"), QStringLiteral("Density"),
          QStringLiteral("FreezingPoint"), QStringLiteral("BoilingPoint")}},
        {QStringLiteral("VaporPressure"), {QStringLiteral("Temperature"), QStringLiteral("Pressure")}},
        {QStringLiteral("MolecularWeights"), {QStringLiteral("Weight")}},
        {QStringLiteral("Temperatures"),
         {QStringLiteral("FreezingPoint"), QStringLiteral("FPDepression"), QStringLiteral("BoilingPoint"),
          QStringLiteral("BPElevation")}},
        {QStringLiteral("Constants"), {QStringLiteral("value")}},
        {QStringLiteral("SpecificHeats"), {QStringLiteral("SpecificHeat")}},
        {QStringLiteral("SolubilityConstants"), {QStringLiteral("Ksp")}},
        {QStringLiteral("IonizationEnergy"), {QStringLiteral("FIE"), QStringLiteral("AtomicNumber")}},
        {QStringLiteral("ThermodynamicData"), {QStringLiteral("Hf"), QStringLiteral("Gf"), QStringLiteral("S")}},
        {QStringLiteral("StandardReductions"), {QStringLiteral("Volts")}},
        {QStringLiteral("Enthalpies"), {QStringLiteral("EofFusion"), QStringLiteral("EofVaporization")}},
        {QStringLiteral("Electronegativities"), {QStringLiteral("Electronegativity"), QStringLiteral("AtomicNumber")}},
        {QStringLiteral("AtomicRadii"), {QStringLiteral("AtomicRadii"), QStringLiteral("AtomicNumber")}},
        {QStringLiteral("Affinities"), {QStringLiteral("Affinity"), QStringLiteral("AtomicNumber")}},
        {QStringLiteral("Bonds"), {QStringLiteral("Energy"), QStringLiteral("Length")}},
        {QStringLiteral("Character"), {QStringLiteral("Difference"), QStringLiteral("Ionic"), QStringLiteral("Covalent")}},
        {QStringLiteral("GasDensity"), {QStringLiteral("Density")}},
        {QStringLiteral("WaterDensity"), {QStringLiteral("Temperature"), QStringLiteral("Density")}},
        // HalfLives holds texts only ("12.32 y").
    };
    return t;
}
}  // namespace

bool isNumber(const QString& table, const QString& field) {
    const auto it = numberFields().constFind(table);
    return it != numberFields().constEnd() && it->contains(field);
}

}  // namespace ReferenceSchema
