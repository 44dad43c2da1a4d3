#include "PeriodicElements.h"

#include <QHash>
#include <QSet>
#include <QStringList>

QString SelectedSymbol;

namespace PeriodicElements {
namespace {
QList<Element> buildElements() {
    using K = ElementClass;
    // Each row: its first column and the symbols in it, left to right.
    struct Run {
        int row;
        int column;
        QStringList symbols;
    };
    const QList<Run> runs = {
        {.row = 1, .column = 1, .symbols = {"H"}},
        {.row = 1, .column = 18, .symbols = {"He"}},
        {.row = 2, .column = 1, .symbols = {"Li", "Be"}},
        {.row = 2, .column = 13, .symbols = {"B", "C", "N", "O", "F", "Ne"}},
        {.row = 3, .column = 1, .symbols = {"Na", "Mg"}},
        {.row = 3, .column = 13, .symbols = {"Al", "Si", "P", "S", "Cl", "Ar"}},
        {.row = 4, .column = 1,
         .symbols = {"K", "Ca", "Sc", "Ti", "V", "Cr", "Mn", "Fe", "Co",
                     "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr"}},
        {.row = 5, .column = 1,
         .symbols = {"Rb", "Sr", "Y", "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
                     "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I", "Xe"}},
        {.row = 6, .column = 1, .symbols = {"Cs", "Ba", "La"}},
        {.row = 8, .column = 5,
         .symbols = {"Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd",
                     "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu"}},
        {.row = 6, .column = 4,
         .symbols = {"Hf", "Ta", "W", "Re", "Os", "Ir", "Pt", "Au",
                     "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn"}},
        {.row = 7, .column = 1, .symbols = {"Fr", "Ra", "Ac"}},
        {.row = 9, .column = 5,
         .symbols = {"Th", "Pa", "U", "Np", "Pu", "Am", "Cm",
                     "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr"}},
        {.row = 7, .column = 4, .symbols = {"Rf", "Db", "Sg", "Bh", "Hs", "Mt"}},
    };
    // Elements 104 to 109 keep their older control names.
    const QHash<QString, QString> names = {{"Rf", "cmdRf"},  {"Db", "cmdHa"},  {"Sg", "cmdUnh"},
                                           {"Bh", "cmdUns"}, {"Hs", "cmdUno"}, {"Mt", "cmdUne"}};
    const QSet<QString> gases = {"H", "He", "N", "O", "F", "Ne", "Cl", "Ar", "Kr", "Xe", "Rn"};
    const QSet<QString> liquids = {"Br", "Hg"};
    const QSet<QString> synthetic = {"Pm", "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm",
                                     "Md", "No", "Lr", "Rf", "Db", "Sg", "Bh", "Hs", "Mt"};
    const QSet<QString> metalloids = {"B", "Si", "Ge", "As", "Sb", "Te", "Po", "At"};

    QList<Element> out;
    for (const Run& run : runs) {
        int column = run.column;
        for (const QString& s : run.symbols) {
            K kind = K::Solid;
            if (gases.contains(s)) kind = K::Gas;
            else if (liquids.contains(s)) kind = K::Liquid;
            else if (synthetic.contains(s)) kind = K::Synthetic;
            else if (metalloids.contains(s)) kind = K::Metalloid;
            out.append({.name = names.value(s, QStringLiteral("cmd") + s),
                        .caption = s,
                        .row = run.row,
                        .column = column++,
                        .kind = kind});
        }
    }
    return out;
}
}  // namespace

const QList<Element>& elements() {
    static const QList<Element> list = buildElements();
    return list;
}

bool isElementSymbol(const QString& symbol) {
    for (const Element& e : elements())
        if (e.caption == symbol) return true;
    return false;
}
}  // namespace PeriodicElements
