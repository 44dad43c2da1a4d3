#!/usr/bin/env python3
"""Writes data/10-generalinfo.sql, 11-vaporpressure.sql, 12-molecularweights.sql
and 13-temperatures.sql.

Python 3 standard library only. Reads the Blue Obelisk element list
(Debian package bodr, /usr/share/bodr/elements.xml); every other value is
tabulated below with its source.

    python3 data/tools/gen_core_tables.py            # writes into data/
    python3 data/tools/gen_core_tables.py OUTDIR
"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal, ROUND_HALF_UP

BODR = "/usr/share/bodr/elements.xml"
CML = "{http://www.xml-cml.org/schema}"

# --- element data not in bodr ------------------------------------------------

# Density of solids and liquids, g/cm3 (near 20 C): CRC Handbook of Chemistry
# and Physics, 80th ed. (1999), as tabulated by Debian package
# python3-periodictable 1.6.0, periodictable/density.py. Values that file marks
# only as "estimated" (Bk) and elements it has no value for are left out.
DENSITY_CONDENSED = {
    'Li': '0.534', 'Be': '1.848', 'B': '2.34', 'C': '2.2', 'Na': '0.971',
    'Mg': '1.738', 'Al': '2.6989', 'Si': '2.33', 'P': '1.82', 'S': '2.07',
    'K': '0.862', 'Ca': '1.55', 'Sc': '2.989', 'Ti': '4.54', 'V': '6.11',
    'Cr': '7.19', 'Mn': '7.33', 'Fe': '7.874', 'Co': '8.9', 'Ni': '8.902',
    'Cu': '8.96', 'Zn': '7.133', 'Ga': '5.904', 'Ge': '5.323', 'As': '5.73',
    'Se': '4.79', 'Br': '3.12', 'Rb': '1.532', 'Sr': '2.54', 'Y': '4.469',
    'Zr': '6.506', 'Nb': '8.57', 'Mo': '10.22', 'Tc': '11.5', 'Ru': '12.41',
    'Rh': '12.41', 'Pd': '12.02', 'Ag': '10.5', 'Cd': '8.65', 'In': '7.31',
    'Sn': '7.31', 'Sb': '6.691', 'Te': '6.24', 'I': '4.93', 'Cs': '1.873',
    'Ba': '3.5', 'La': '6.145', 'Ce': '6.77', 'Pr': '6.773', 'Nd': '7.008',
    'Pm': '7.264', 'Sm': '7.52', 'Eu': '5.244', 'Gd': '7.901', 'Tb': '8.23',
    'Dy': '8.551', 'Ho': '8.795', 'Er': '9.066', 'Tm': '9.321', 'Yb': '6.966',
    'Lu': '9.841', 'Hf': '13.31', 'Ta': '16.654', 'W': '19.3', 'Re': '21.02',
    'Os': '22.57', 'Ir': '22.42', 'Pt': '21.45', 'Au': '19.3', 'Hg': '13.546',
    'Tl': '11.85', 'Pb': '11.35', 'Bi': '9.747', 'Po': '9.32', 'Th': '11.72',
    'Pa': '15.37', 'U': '18.95', 'Np': '20.25', 'Pu': '19.84', 'Am': '13.67',
    'Cm': '13.51',
}

# Density of the gaseous elements at 0 C and 101.325 kPa, g/L (CRC Handbook
# of Chemistry and Physics, density of gases); stored divided by 1000, g/cm3.
DENSITY_GAS_G_PER_L = {
    'H': '0.08988', 'He': '0.1786', 'N': '1.2506', 'O': '1.429', 'F': '1.696',
    'Ne': '0.9002', 'Cl': '3.214', 'Ar': '1.784', 'Kr': '3.749', 'Xe': '5.894',
    'Rn': '9.73',
}

# Common oxidation states: "Common oxidation states" of Debian package
# python3-pymatgen 2022.11.7, pymatgen/core/periodic_table.json.
CHARGE = {
    'H': '-1,+1', 'Li': '+1', 'Be': '+2', 'B': '+3', 'C': '-4,+4',
    'N': '-3,+3,+5', 'O': '-2', 'F': '-1', 'Na': '+1', 'Mg': '+2', 'Al': '+3',
    'Si': '-4,+4', 'P': '-3,+3,+5', 'S': '-2,+2,+4,+6', 'Cl': '-1,+1,+3,+5,+7',
    'K': '+1', 'Ca': '+2', 'Sc': '+3', 'Ti': '+4', 'V': '+5', 'Cr': '+3,+6',
    'Mn': '+2,+4,+7', 'Fe': '+2,+3', 'Co': '+2,+3', 'Ni': '+2', 'Cu': '+2',
    'Zn': '+2', 'Ga': '+3', 'Ge': '-4,+2,+4', 'As': '-3,+3,+5',
    'Se': '-2,+2,+4,+6', 'Br': '-1,+1,+3,+5,+7', 'Rb': '+1', 'Sr': '+2',
    'Y': '+3', 'Zr': '+4', 'Nb': '+5', 'Mo': '+4,+6', 'Tc': '+4,+7',
    'Ru': '+3,+4', 'Rh': '+3', 'Pd': '+2,+4', 'Ag': '+1', 'Cd': '+2', 'In': '+3',
    'Sn': '-4,+2,+4', 'Sb': '-3,+3,+5', 'Te': '-2,+2,+4,+6',
    'I': '-1,+1,+3,+5,+7', 'Cs': '+1', 'Ba': '+2', 'La': '+3', 'Ce': '+3,+4',
    'Pr': '+3', 'Nd': '+3', 'Pm': '+3', 'Sm': '+3', 'Eu': '+2,+3', 'Gd': '+3',
    'Tb': '+3', 'Dy': '+3', 'Ho': '+3', 'Er': '+3', 'Tm': '+3', 'Yb': '+3',
    'Lu': '+3', 'Hf': '+4', 'Ta': '+5', 'W': '+4,+6', 'Re': '+4', 'Os': '+4',
    'Ir': '+3,+4', 'Pt': '+2,+4', 'Au': '+3', 'Hg': '+1,+2', 'Tl': '+1,+3',
    'Pb': '+2,+4', 'Bi': '+3', 'Po': '-2,+2,+4', 'At': '-1,+1', 'Fr': '+1',
    'Ra': '+2', 'Ac': '+3', 'Th': '+4', 'Pa': '+5', 'U': '+6', 'Np': '+5',
    'Pu': '+4', 'Am': '+3', 'Cm': '+3', 'Bk': '+3', 'Cf': '+3', 'Es': '+3',
    'Fm': '+3', 'Md': '+3', 'No': '+3', 'Lr': '+3',
}

# Ground-state configurations where bodr's entry is wrong (NIST ground
# states, as in pymatgen's "Electronic structure").
CONFIG_FIX = {'Nb': '[Kr] 4d4 5s1', 'Tc': '[Kr] 4d5 5s2'}

# bodr boiling points below the element's melting point (Bk 983 K against
# 1258 K, Cf 1173 K against 1172 K): no published value, left empty.
BOILING_DROP = {'Bk', 'Cf'}

# Names for 104-109 (IUPAC 1997); bodr has them already, kept as a check.
MODERN = {104: ('Rf', 'Rutherfordium'), 105: ('Db', 'Dubnium'),
          106: ('Sg', 'Seaborgium'), 107: ('Bh', 'Bohrium'),
          108: ('Hs', 'Hassium'), 109: ('Mt', 'Meitnerium')}

# State at 25 C and 101.325 kPa, in the classes of the periodic table window:
# Gas, Liquid, Synthetic (the man-made elements Pm, Np-Lr, 104-109), Solid.
GASES = {'H', 'He', 'N', 'O', 'F', 'Ne', 'Cl', 'Ar', 'Kr', 'Xe', 'Rn'}
LIQUIDS = {'Br', 'Hg'}
SYNTHETIC = {61} | set(range(93, 110))

# Chemical class.
METALLOIDS = {'B', 'Si', 'Ge', 'As', 'Sb', 'Te', 'Po', 'At'}
NONMETALS = {'H', 'C', 'N', 'O', 'P', 'S', 'Se'}
HALOGENS = {'F', 'Cl', 'Br', 'I'}
NOBLE = {'He', 'Ne', 'Ar', 'Kr', 'Xe', 'Rn'}
ALKALI = {'Li', 'Na', 'K', 'Rb', 'Cs', 'Fr'}
ALKALINE = {'Be', 'Mg', 'Ca', 'Sr', 'Ba', 'Ra'}
OTHER_METALS = {'Al', 'Ga', 'In', 'Sn', 'Tl', 'Pb', 'Bi'}


US_NAMES = {'Aluminium': 'Aluminum', 'Caesium': 'Cesium'}


def group_name(z, sym):
    for names, label in ((METALLOIDS, 'Metalloid'), (NONMETALS, 'Nonmetal'),
                         (HALOGENS, 'Halogen'), (NOBLE, 'Noble Gas'),
                         (ALKALI, 'Alkali Metal'),
                         (ALKALINE, 'Alkaline Earth Metal'),
                         (OTHER_METALS, 'Other Metal')):
        if sym in names:
            return label
    if 57 <= z <= 71:
        return 'Lanthanide'
    if 89 <= z <= 103:
        return 'Actinide'
    return 'Transition Metal'


def state(z, sym):
    if sym in GASES:
        return 'Gas'
    if sym in LIQUIDS:
        return 'Liquid'
    if z in SYNTHETIC:
        return 'Synthetic'
    return 'Solid'


def kelvin_to_celsius(text):
    k = Decimal(text.strip())
    c = k - Decimal('273.15')
    exp = min(k.as_tuple().exponent, 0)
    return c.quantize(Decimal(1).scaleb(exp), rounding=ROUND_HALF_UP)


def num(d):
    """Decimal -> SQL literal without exponent or trailing zeros."""
    if d is None:
        return 'NULL'
    s = format(d.normalize(), 'f')
    return s


def text(s):
    if s is None:
        return 'NULL'
    return "'" + s.replace("'", "''") + "'"


def read_bodr():
    rows = {}
    for atom in ET.parse(BODR).getroot().iter(CML + 'atom'):
        f = {}
        for child in atom:
            key = child.get('dictRef', '').split(':')[-1]
            f[key] = child.get('value') if child.tag == CML + 'label' else child.text
        z = int(f['atomicNumber'])
        if 1 <= z <= 109:
            rows[z] = f
    return rows


def element_rows():
    bodr = read_bodr()
    out = []
    for z in range(1, 110):
        f = bodr[z]
        sym, name = f['symbol'], f['name']
        # The spellings the program's other tables use.
        name = US_NAMES.get(name, name)
        if z in MODERN:
            assert (sym, name) == MODERN[z], (z, sym, name)
        conf = f.get('electronicConfiguration')
        if conf:
            conf = re.sub(r'^([A-Z][a-z]?) ', r'[\1] ', conf.strip())
        conf = CONFIG_FIX.get(sym, conf)
        if sym in DENSITY_GAS_G_PER_L:
            dens = Decimal(DENSITY_GAS_G_PER_L[sym]) / 1000
        elif sym in DENSITY_CONDENSED:
            dens = Decimal(DENSITY_CONDENSED[sym])
        else:
            dens = None
        mp = f.get('meltingpoint')
        bp = None if sym in BOILING_DROP else f.get('boilingpoint')
        out.append(dict(
            AtomicNumber=z, Symbol=sym, ElementName=name,
            AtomicWeight=Decimal(f['mass'].strip()),
            State=state(z, sym), Charge=CHARGE.get(sym), Configuration=conf,
            GroupName=group_name(z, sym), Density=dens,
            FreezingPoint=kelvin_to_celsius(mp) if mp else None,
            BoilingPoint=kelvin_to_celsius(bp) if bp else None))
    assert len({r['Symbol'] for r in out}) == 109
    return out


GENERALINFO_HEAD = """\
-- GeneralInfo: one row per element, atomic numbers 1 to 109 in ascending order.
-- Generated by data/tools/gen_core_tables.py.
--
-- AtomicNumber, Symbol, ElementName, AtomicWeight: Blue Obelisk Data Repository,
--   Debian package bodr 10, /usr/share/bodr/elements.xml (atomicNumber, symbol,
--   name, mass; names in the American spellings Aluminum and Cesium, as in the
--   other tables). AtomicWeight is the standard atomic weight; for elements without
--   stable isotopes it is the mass number of the longest-lived isotope as bodr
--   gives it.
-- FreezingPoint, BoilingPoint: degrees Celsius, from bodr's meltingpoint and
--   boilingpoint (kelvin) less 273.15, kept to the decimals bodr gives. Left
--   empty where bodr has none, and for Bk and Cf, whose bodr boiling points
--   lie below their melting points.
-- Configuration: bodr electronicConfiguration, noble-gas core in brackets;
--   Nb [Kr] 4d4 5s1 and Tc [Kr] 4d5 5s2 are the NIST ground states (bodr's two
--   entries are wrong); empty where bodr has none (Sg to Mt).
-- Density: g/cm3. Solids and liquids near 20 C: CRC Handbook of Chemistry and
--   Physics, 80th ed. (1999), as tabulated in Debian package python3-periodictable
--   1.6.0 (periodictable/density.py). Gases (H, He, N, O, F, Ne, Cl, Ar, Kr, Xe,
--   Rn): gas at 0 C and 101.325 kPa, CRC Handbook, g/L divided by 1000. Empty
--   where neither gives a value.
-- Charge: common oxidation states, Debian package python3-pymatgen 2022.11.7,
--   pymatgen/core/periodic_table.json ("Common oxidation states"); empty where
--   it lists none.
-- State: at 25 C and 101.325 kPa (from the melting and boiling points above):
--   Gas, Liquid or Solid; Synthetic for the man-made elements Pm and Np to Mt.
-- GroupName: chemical class (Alkali Metal, Alkaline Earth Metal, Transition
--   Metal, Other Metal, Metalloid, Nonmetal, Halogen, Noble Gas, Lanthanide,
--   Actinide); the metalloids are B, Si, Ge, As, Sb, Te, Po and At.
"""

GI_COLS = ['AtomicNumber', 'Symbol', 'ElementName', 'AtomicWeight', 'State',
           'Charge', 'Configuration', 'GroupName', 'Density', 'FreezingPoint',
           'BoilingPoint']
GI_TEXT = {'Symbol', 'ElementName', 'State', 'Charge', 'Configuration',
           'GroupName'}


def write_generalinfo(rows, path):
    lines = [GENERALINFO_HEAD,
             'CREATE TABLE GeneralInfo (\n'
             '  AtomicNumber INTEGER,\n  Symbol TEXT,\n  ElementName TEXT,\n'
             '  AtomicWeight REAL,\n  State TEXT,\n  Charge TEXT,\n'
             '  Configuration TEXT,\n  GroupName TEXT,\n  Density REAL,\n'
             '  FreezingPoint REAL,\n  BoilingPoint REAL\n);\n',
             'BEGIN;']
    for r in rows:
        vals = []
        for c in GI_COLS:
            v = r[c]
            if c in GI_TEXT:
                vals.append(text(v))
            elif c == 'AtomicNumber':
                vals.append(str(v))
            else:
                vals.append(num(v))
        lines.append('INSERT INTO GeneralInfo VALUES (%s);' % ', '.join(vals))
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


# --- water vapour pressure ----------------------------------------------------

# IAPWS, Revised Supplementary Release on Saturation Properties of Ordinary
# Water Substance (1992): W. Wagner and A. Pruss, J. Phys. Chem. Ref. Data 22,
# 783 (1993), saturation-pressure equation.
TC, PC = 647.096, 22.064e6
A = (-7.85951783, 1.84408259, -11.7866497, 22.6807411, -15.9618719, 1.80122502)


def p_sat_kpa(t_celsius):
    t = t_celsius + 273.15
    tau = 1.0 - t / TC
    s = (A[0] * tau + A[1] * tau ** 1.5 + A[2] * tau ** 3 + A[3] * tau ** 3.5
         + A[4] * tau ** 4 + A[5] * tau ** 7.5)
    return PC * math.exp(TC / t * s) / 1000.0


def sig4(x):
    d = Decimal(repr(x))
    exp = d.adjusted() - 3
    return d.quantize(Decimal(1).scaleb(exp), rounding=ROUND_HALF_UP)


VAPOR_HEAD = """\
-- VaporPressure: vapour pressure of water, 0 to 100 C in whole degrees, kPa.
-- Generated by data/tools/gen_core_tables.py.
--
-- Temperature: degrees Celsius (ITS-90), T = t + 273.15 K.
-- Pressure: computed from the IAPWS saturation-pressure equation of Wagner and
--   Pruss (IAPWS Revised Supplementary Release on Saturation Properties of
--   Ordinary Water Substance, 1992; J. Phys. Chem. Ref. Data 22, 783 (1993)),
--   Tc = 647.096 K, pc = 22.064 MPa, a1..a6 = -7.85951783, 1.84408259,
--   -11.7866497, 22.6807411, -15.9618719, 1.80122502; rounded to 4 significant
--   digits. At 100 C this gives 101.4 kPa (101.418 unrounded: on ITS-90 water
--   boils at 99.97 C under 101.325 kPa), not 101.325.
"""


def write_vapor(path):
    lines = [VAPOR_HEAD,
             'CREATE TABLE VaporPressure (\n  Temperature INTEGER,\n'
             '  Pressure REAL\n);\n', 'BEGIN;']
    for t in range(0, 101):
        lines.append('INSERT INTO VaporPressure VALUES (%d, %s);'
                     % (t, num(sig4(p_sat_kpa(t)))))
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


# --- group weights -------------------------------------------------------------

GROUPS = [
    ('OH', 'hydroxide'), ('NO3', 'nitrate'), ('NO2', 'nitrite'),
    ('SO4', 'sulfate'), ('SO3', 'sulfite'), ('HSO4', 'hydrogen sulfate'),
    ('HSO3', 'hydrogen sulfite'), ('PO4', 'phosphate'),
    ('HPO4', 'hydrogen phosphate'), ('H2PO4', 'dihydrogen phosphate'),
    ('PO3', 'phosphite'), ('CO3', 'carbonate'),
    ('HCO3', 'hydrogen carbonate'), ('NH4', 'ammonium'),
    ('ClO', 'hypochlorite'), ('ClO2', 'chlorite'), ('ClO3', 'chlorate'),
    ('ClO4', 'perchlorate'), ('BrO', 'hypobromite'), ('BrO3', 'bromate'),
    ('IO', 'hypoiodite'), ('IO3', 'iodate'), ('IO4', 'periodate'),
    ('MnO4', 'permanganate'), ('CrO4', 'chromate'), ('Cr2O7', 'dichromate'),
    ('C2H3O2', 'acetate'), ('CH3COO', 'acetate'), ('HCOO', 'formate'),
    ('C2O4', 'oxalate'), ('HC2O4', 'hydrogen oxalate'), ('CN', 'cyanide'),
    ('OCN', 'cyanate'), ('SCN', 'thiocyanate'), ('S2O3', 'thiosulfate'),
    ('SiO3', 'silicate'), ('SiO4', 'orthosilicate'), ('AsO4', 'arsenate'),
    ('AsO3', 'arsenite'), ('BO3', 'borate'), ('O2', 'peroxide'),
    ('SeO4', 'selenate'), ('MoO4', 'molybdate'), ('HS', 'hydrogen sulfide'),
    ('N3', 'azide'), ('NH2', 'amide'), ('H3O', 'hydronium'),
    ('NH3', 'ammonia'), ('H2O', 'water'),
]


def group_weight(formula, weights):
    total = Decimal(0)
    pos = 0
    for m in re.finditer(r'([A-Z][a-z]?)(\d*)', formula):
        assert m.start() == pos, formula
        pos = m.end()
        total += weights[m.group(1)] * int(m.group(2) or 1)
    assert pos == len(formula), formula
    return total


def write_groups(rows, path):
    weights = {r['Symbol']: r['AtomicWeight'] for r in rows}
    lines = ["""\
-- MolecularWeights: weights of the groups written in parentheses in a formula.
-- Generated by data/tools/gen_core_tables.py.
--
-- Substance: the group as typed between the parentheses (case as written).
-- Weight: g/mol, the exact sum of the AtomicWeight values of its atoms as
--   stored in GeneralInfo (10-generalinfo.sql).
""", 'CREATE TABLE MolecularWeights (\n  Substance TEXT,\n  Weight REAL\n);\n',
             'BEGIN;']
    seen = set()
    for formula, name in GROUPS:
        assert formula not in seen, formula
        seen.add(formula)
        lines.append("INSERT INTO MolecularWeights VALUES (%s, %s); -- %s"
                     % (text(formula), num(group_weight(formula, weights)), name))
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


# --- solvents -----------------------------------------------------------------

# (Compound, FreezingPoint C, Kf C kg/mol, BoilingPoint C, Kb C kg/mol, source)
SOLVENTS = [
    ('Water', '0.0', '1.86', '100.0', '0.512', 'P'),
    ('Benzene', '5.5', '5.12', '80.1', '2.53', 'B'),
    ('Ethanol', '-114.1', '1.99', '78.4', '1.22', 'BE'),
    ('Acetic acid', '16.6', '3.90', '117.9', '2.93', 'C'),
    ('Cyclohexane', '6.6', '20.0', '80.7', '2.79', 'C'),
    ('Camphor', '179.8', '40.0', '208.0', '5.95', 'Z'),
    ('Chloroform', '-63.5', '4.68', '61.2', '3.63', 'B'),
    ('Carbon tetrachloride', '-22.3', '29.8', '76.8', '5.02', 'B'),
    ('Carbon disulfide', '-111.5', '3.83', '46.2', '2.34', 'Z'),
    ('Diethyl ether', '-116.2', '1.79', '34.5', '2.02', 'Z'),
]

TEMPS_HEAD = """\
-- Temperatures: solvents with their freezing and boiling points (degrees C)
-- and molal freezing-point depression / boiling-point elevation constants
-- (degrees C per mol/kg), in the order listed to the student.
-- Generated by data/tools/gen_core_tables.py.
--
-- Compound, FreezingPoint, FPDepression, BoilingPoint, BPElevation, by row:
--   [P] Water: R. H. Petrucci et al., General Chemistry: Principles and Modern
--       Applications, table of freezing-point depression and boiling-point
--       elevation constants (Kf 1.86, Kb 0.512).
--   [B] Brown, LeMay, Bursten, Chemistry: The Central Science, table of molal
--       boiling-point-elevation and freezing-point-depression constants:
--       Benzene, Ethanol, Chloroform, Carbon tetrachloride.
--   [BE] Ethanol: constants from [B]; freezing point -114.1 is the melting
--       point in the CRC Handbook of Chemistry and Physics.
--   [C] R. Chang, Chemistry, table of molal boiling-point elevation and
--       freezing-point depression constants: Acetic acid, Cyclohexane.
--   [Z] S. S. Zumdahl, Chemistry, table of molal boiling-point elevation and
--       freezing-point depression constants: Camphor, Carbon disulfide,
--       Diethyl ether (listed there as ethyl ether).
"""


def write_temps(path):
    lines = [TEMPS_HEAD,
             'CREATE TABLE Temperatures (\n  Compound TEXT,\n'
             '  FreezingPoint REAL,\n  FPDepression REAL,\n'
             '  BoilingPoint REAL,\n  BPElevation REAL\n);\n', 'BEGIN;']
    for name, fp, kf, bp, kb, src in SOLVENTS:
        tag = ' -- [%s]' % src
        lines.append('INSERT INTO Temperatures VALUES (%s, %s, %s, %s, %s);%s'
                     % (text(name), fp, kf, bp, kb, tag))
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), os.pardir)
    rows = element_rows()
    write_generalinfo(rows, os.path.join(out, '10-generalinfo.sql'))
    write_vapor(os.path.join(out, '11-vaporpressure.sql'))
    write_groups(rows, os.path.join(out, '12-molecularweights.sql'))
    write_temps(os.path.join(out, '13-temperatures.sql'))


if __name__ == '__main__':
    main()
