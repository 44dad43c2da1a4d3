#include "MoleMath.h"

#include "platform/NumberText.h"

namespace MoleMath {

QString unitName(Unit u) {
    switch (u) {
    case Unit::Moles: return QStringLiteral("Moles");
    case Unit::Grams: return QStringLiteral("Grams");
    case Unit::Atoms: return QStringLiteral("Atoms");
    }
    return QString();
}

Conversion convert(Unit from, Unit to, const QString& amount, const QString& weight) {
    const double a = Num::toDouble(amount);
    const double w = Num::toDouble(weight);
    const double n = Avogadro;
    const QString times = QStringLiteral("   X   ");
    const QString over = QStringLiteral("   /   ");
    const QString perMole = QStringLiteral("6.023E+23");

    double v = a;
    QString work = amount;
    if (from == Unit::Moles && to == Unit::Grams) {
        v = Num::checked(a * w);
        work = amount + times + weight;
    } else if (from == Unit::Moles && to == Unit::Atoms) {
        v = Num::checked(a * n);
        work = amount + times + perMole + QStringLiteral("  =  ") + Num::scientific(v);
    } else if (from == Unit::Grams && to == Unit::Moles) {
        v = Num::div(a, w);
        work = amount + over + weight;
    } else if (from == Unit::Grams && to == Unit::Atoms) {
        v = Num::checked(Num::div(a, w) * n);
        work = amount + over + weight + QStringLiteral(" x  6.023E23");
    } else if (from == Unit::Atoms && to == Unit::Moles) {
        v = Num::div(a, n);
        work = amount + over + perMole;
    } else if (from == Unit::Atoms && to == Unit::Grams) {
        v = Num::checked(Num::div(a, n) * w);
        work = amount + over + perMole + times + weight;
    }

    Conversion c;
    switch (to) {
    case Unit::Moles: c.answer = Num::answer(v, 3); break;
    case Unit::Grams: {
        // Shown to fifteen digits, so worked in extended precision.
        const long double a15 = Num::toLongDouble(amount), w15 = Num::toLongDouble(weight);
        c.answer = Num::text(from == Unit::Atoms ? a15 / AvogadroExtended * w15 : from == Unit::Moles ? a15 * w15 : a15);
        break;
    }
    case Unit::Atoms: c.answer = Num::scientific(v); break;
    }
    c.work = work;
    c.unit = unitName(to);
    return c;
}

Average averageMass(const QList<Isotope>& isotopes) {
    double occurrences = 0;
    for (const Isotope& i : isotopes) occurrences += i.occurrence;
    Average r;
    r.percentages = occurrences > 1.5;
    long double sum = 0;
    QStringList terms;
    for (const Isotope& i : isotopes) {
        long double term = static_cast<long double>(i.weight) * i.occurrence;
        QString text = Num::text(i.weight) + QStringLiteral(" * ") + Num::text(i.occurrence);
        if (r.percentages) {
            term /= 100;
            text += QStringLiteral(" / 100");
        }
        sum += term;
        terms << text;
    }
    r.mass = Num::checked(static_cast<double>(sum));
    r.work = terms.join(QStringLiteral(" + "));
    return r;
}

Heat heatEnergy(double coefficient, double grams, double molecularWeight, double kilojoules) {
    const double moles = Num::div(grams, molecularWeight);
    const double e = Num::div(Num::checked(moles * kilojoules), coefficient);
    Heat h;
    h.energy = Num::checked(e);
    h.work = Num::text(grams) + QStringLiteral(" / ") + Num::text(molecularWeight) + QStringLiteral(" * ") +
             Num::text(kilojoules) + QStringLiteral(" / ") + Num::text(coefficient);
    return h;
}

}  // namespace MoleMath
