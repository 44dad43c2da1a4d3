// Writes the melting points, boiling points and densities that libelemental
// (Debian package libelemental0; headers in libelemental-dev) holds for every
// element, as a tab-separated table, for data/tools/gen_core_tables.py.
//
//   g++ -std=c++14 data/tools/elemental_dump.cc -o /tmp/elemental_dump
//       -DELEMENTAL_VERSION="\"$(pkg-config --modversion libelemental)\""
//       $(pkg-config --cflags --libs libelemental)
//   /tmp/elemental_dump > data/tools/libelemental-2.0.2.tsv
//   /tmp/elemental_dump heats > data/tools/libelemental-2.0.2-heats.tsv
//   /tmp/elemental_dump specific > data/tools/libelemental-2.0.2-specific.tsv
// (one command line; the version goes into the table's first line). With
// "heats" it writes the enthalpies of fusion and vaporization instead, which
// data/tools/check_tables.py compares with data/26-enthalpies.sql; with
// "specific" the specific heats, compared with data/21-specificheats.sql.
//
// A value is written as the library stores it, followed by "|" and its
// qualifier: empty for a plain value, or est (estimated), ca (approximate),
// iso (value for the most stable isotope); unk and na mark a missing value.
// The lines starting with "#" list each property's unit and the sources the
// library cites for it, and the element notes that bear on these values.
#include <libelemental/element.hh>
#include <libelemental/table.hh>

#include <iostream>
#include <string>
#include <vector>

using namespace Elemental;

namespace {

const char* qualifier(Qualifier q) {
    switch (q) {
    case Q_NEUTRAL: return "";
    case Q_UNK: return "unk";
    case Q_NA: return "na";
    case Q_EST: return "est";
    case Q_CA: return "ca";
    case Q_ISO: return "iso";
    }
    return "?";
}

struct Column {
    const char* name;
    const FloatProperty* property;
};

}  // namespace

#ifndef ELEMENTAL_VERSION
#define ELEMENTAL_VERSION "(version not given)"
#endif

int main(int argc, char** argv) {
    initialize();
    const std::vector<Column> points = {{"MeltingPointK", &P_MELTING_POINT},
                                        {"BoilingPointK", &P_BOILING_POINT},
                                        {"DensitySolid", &P_DENSITY_SOLID},
                                        {"DensityLiquid", &P_DENSITY_LIQUID},
                                        {"DensityGas", &P_DENSITY_GAS}};
    const std::vector<Column> heats = {{"FusionHeat", &P_FUSION_HEAT}, {"VaporizationHeat", &P_VAPORIZATION_HEAT}};
    const std::vector<Column> specific = {{"SpecificHeat", &P_SPECIFIC_HEAT}};
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::vector<Column>& columns = mode == "heats" ? heats : mode == "specific" ? specific : points;
    std::cout << "# libelemental " << ELEMENTAL_VERSION << "\n";
    for (const Column& c : columns) {
        std::cout << "# " << c.name << ": " << c.property->get_description() << "\n";
        for (const Message* m : c.property->sources) std::cout << "#   source: " << m->value << "\n";
    }
    for (const Element* e : get_table()) {
        const Message& note = e->get_property(P_NOTES);
        if (note.has_value()) std::cout << "# note " << e->symbol << ": " << note.value << "\n";
    }
    std::cout << "Z\tSymbol";
    for (const Column& c : columns) std::cout << "\t" << c.name;
    std::cout << "\n";
    std::cout.precision(10);
    for (const Element* e : get_table()) {
        std::cout << e->number << "\t" << e->symbol;
        for (const Column& c : columns) {
            const Float& v = e->get_property(*c.property);
            std::cout << "\t";
            if (v.has_value()) std::cout << v.value;
            std::cout << "|" << qualifier(v.qualifier);
        }
        std::cout << "\n";
    }
    return 0;
}
