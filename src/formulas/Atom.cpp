#include "Atom.h"

#include "ElectronPlacement.h"

namespace {
constexpr float ParticleRadius = 0.03f;
constexpr float ElectronRadius = 0.02f;

const Atom::Disc ProtonDiscs[Atom::ProtonPlaces] = {{0, 0, ParticleRadius},
                                   {0.05f, -0.05f, ParticleRadius},
                                   {0.05f, 0.05f, ParticleRadius},
                                   {-0.05f, 0.05f, ParticleRadius},
                                   {-0.05f, -0.05f, ParticleRadius}};
const Atom::Disc NeutronDiscs[Atom::NeutronPlaces] = {
    {0.05f, 0, ParticleRadius}, {0, 0.05f, ParticleRadius}, {-0.05f, 0, ParticleRadius}, {0, -0.05f, ParticleRadius}};

template <std::size_t N>
bool addParticle(QList<Atom::Disc>& rows, int most, const Atom::Disc (&places)[N]) {
    if (rows.size() >= most) return false;
    rows.append(places[rows.size() % N]);
    return true;
}
}  // namespace

bool Atom::addProton() { return addParticle(protons, MaxProtons, ProtonDiscs); }

bool Atom::addNeutron() { return addParticle(neutrons, MaxNeutrons, NeutronDiscs); }

bool Atom::addLevel() {
    if (rings.size() >= MaxLevels) return false;
    rings.append({0, 0, nextRingRadius});
    nextRingRadius = float(double(nextRingRadius) + 0.1);
    return true;
}

Atom::ElectronAdded Atom::addElectron() {
    if (rings.isEmpty()) return ElectronAdded::NoLevel;
    if (electrons.size() >= MaxElectrons) return ElectronAdded::Full;
    const int index = int(electrons.size());
    if (ElectronPlacement::Table[index].level != rings.size()) return ElectronAdded::NotPlaced;
    const auto c = ElectronPlacement::centre(index, nextRingRadius);
    electrons.append({c.x, c.y, ElectronRadius});
    return ElectronAdded::Placed;
}

bool Atom::removeProton() {
    if (protons.isEmpty()) return false;
    if (protons.size() == 1) *this = Atom();
    else protons.removeLast();
    return true;
}

bool Atom::removeNeutron() {
    if (neutrons.isEmpty()) return false;
    neutrons.removeLast();
    return true;
}

bool Atom::removeElectron() {
    if (electrons.isEmpty()) return false;
    electrons.removeLast();
    return true;
}

Atom::LevelRemoved Atom::removeLevel() {
    if (rings.isEmpty()) return LevelRemoved::None;
    if (ElectronPlacement::outermostHoldsElectrons(int(rings.size()), int(electrons.size())))
        return LevelRemoved::HoldsElectrons;
    rings.removeLast();
    nextRingRadius = float(double(nextRingRadius) - 0.1);
    return LevelRemoved::Removed;
}
