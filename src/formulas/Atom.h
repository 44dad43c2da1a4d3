#pragma once
// The atom the atom builder holds: its protons, neutrons, energy levels and
// electrons, each with the disc it is drawn as (centre and radius in the
// picture's units, the nucleus at 0, 0). Particles are added and removed one
// at a time, last in first out.
#include <QList>

struct Atom {
    static constexpr int MaxProtons = 109;
    static constexpr int MaxNeutrons = 200;
    static constexpr int MaxElectrons = 109;
    static constexpr int MaxLevels = 7;
    // Places in the nucleus, taken in turn: the n-th proton lies exactly on
    // the (n - 5)-th, the n-th neutron on the (n - 4)-th.
    static constexpr int ProtonPlaces = 5;
    static constexpr int NeutronPlaces = 4;

    struct Disc {
        float x = 0, y = 0, radius = 0;
        bool operator==(const Disc&) const = default;
    };

    QList<Disc> protons;
    QList<Disc> neutrons;
    QList<Disc> rings;      // the energy levels, innermost first
    QList<Disc> electrons;  // in the order the levels fill
    // The radius the next ring is drawn at; electrons are placed by it too.
    float nextRingRadius = 0.2f;

    int massNumber() const { return int(protons.size() + neutrons.size()); }
    int charge() const { return int(protons.size() - electrons.size()); }

    // Each adds one, unless the atom holds the most it can; true when added.
    bool addProton();
    bool addNeutron();
    bool addLevel();
    enum class ElectronAdded { Placed, NotPlaced, NoLevel, Full };
    // An electron goes only onto its own level, and only while that level is
    // the outermost; otherwise it is NotPlaced.
    ElectronAdded addElectron();

    // Each removes the last one; false when there was none. The last proton
    // takes the whole atom with it.
    bool removeProton();
    bool removeNeutron();
    bool removeElectron();
    enum class LevelRemoved { Removed, None, HoldsElectrons };
    LevelRemoved removeLevel();

    bool operator==(const Atom&) const = default;
};
