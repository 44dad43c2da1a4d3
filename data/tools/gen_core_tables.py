#!/usr/bin/env python3
"""Writes data/10-generalinfo.sql, 11-vaporpressure.sql, 12-molecularweights.sql
and 13-temperatures.sql, and cross-checks the element and solvent data.

Python 3 standard library only. Reads, besides the tables below:
  - the Blue Obelisk element list (Debian package bodr, /usr/share/bodr/elements.xml);
  - data/tools/libelemental-2.0.2.tsv, written by data/tools/elemental_dump.cc
    from Debian package libelemental0 (melting points, boiling points, densities);
  - for the cross-check: Debian package python3-periodictable
    (periodictable/density.py), Debian package chemical-structures-data
    (/usr/share/chemical-structures) and data/20-constants.sql.

    apt-get install bodr python3-periodictable chemical-structures-data
    python3 data/tools/gen_core_tables.py            # writes into data/
    python3 data/tools/gen_core_tables.py OUTDIR
    python3 data/tools/gen_core_tables.py --check    # prints the cross-check only

Every value the cross-check reports needs its reason in CROSS_CHECK_REASONS;
the generator stops otherwise.
"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal, ROUND_HALF_UP

BODR = "/usr/share/bodr/elements.xml"
CML = "{http://www.xml-cml.org/schema}"

# --- melting points, boiling points and densities ---------------------------

HERE = os.path.dirname(os.path.abspath(__file__))

# Primary source: libelemental 2.0.2 (Debian package libelemental0 2.0.2-1),
# whose table cites for melting and boiling points the CRC Handbook of
# Chemistry and Physics, 84th ed. (2003), Lange's Handbook of Chemistry, 15th
# ed. (1999), Kaye & Laby, Tables of Physical and Chemical Constants, 15th ed.
# (1993) and Macmillan's Chemical and Physical Data (1992), and the same
# handbooks for densities. The values are compiled into the library; they were
# read through its API by data/tools/elemental_dump.cc into the table below.
ELEMENTAL_TSV = os.path.join(HERE, 'libelemental-2.0.2.tsv')

# Second sources for the cross-check.
#   Melting and boiling points: bodr (BODR above), meltingpoint and
#   boilingpoint, kelvin; bodr's bibliography names WebElements for them.
#   Densities of solids and liquids: Debian package python3-periodictable
#   1.6.0, periodictable/density.py (CRC Handbook, 80th ed., 1999).
#   Densities of the gases: the ideal gas at 0 C and 101.325 kPa, molar mass
#   (bodr) over the molar volume of 20-constants.sql (CODATA 2018).
PERIODICTABLE_DENSITY = '/usr/lib/python3/dist-packages/periodictable/density.py'
CONSTANTS_SQL = os.path.join(HERE, os.pardir, '20-constants.sql')

# A difference above this share of the primary value is reported; kelvin for
# temperatures, so that values near 0 C compare sensibly.
TOLERANCE = Decimal('0.02')

# Atoms in a molecule of each gaseous element.
GAS_ATOMS = {'H': 2, 'N': 2, 'O': 2, 'F': 2, 'Cl': 2,
             'He': 1, 'Ne': 1, 'Ar': 1, 'Kr': 1, 'Xe': 1, 'Rn': 1}

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
    k = Decimal(str(text).strip())
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


def read_elemental(path=ELEMENTAL_TSV):
    """Symbol -> {column: (Decimal or None, qualifier)} from the dump."""
    out = {}
    header = None
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            cells = line.split('\t')
            if header is None:
                header = cells
                continue
            row = {}
            for name, cell in zip(header[2:], cells[2:]):
                value, qual = cell.split('|')
                row[name] = (Decimal(value) if value else None, qual)
            row['Z'] = int(cells[0])
            out[cells[1]] = row
    return out


def elemental_density(sym, values):
    """g/cm3: the gas at 0 C for the gases, the liquid for Br and Hg (at about
    20 C, as the library notes), the solid at 20 C for the rest."""
    if sym in GASES:
        v, q = values['DensityGas']
        return (v / 1000 if v is not None else None), q
    if sym in LIQUIDS:
        return values['DensityLiquid']
    return values['DensitySolid']


def element_rows():
    bodr = read_bodr()
    elemental = read_elemental()
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
        e = elemental[sym]
        mp = e['MeltingPointK'][0]
        bp = e['BoilingPointK'][0]
        out.append(dict(
            AtomicNumber=z, Symbol=sym, ElementName=name,
            AtomicWeight=Decimal(f['mass'].strip()),
            State=state(z, sym), Charge=CHARGE.get(sym), Configuration=conf,
            GroupName=group_name(z, sym), Density=elemental_density(sym, e)[0],
            FreezingPoint=kelvin_to_celsius(mp) if mp is not None else None,
            BoilingPoint=kelvin_to_celsius(bp) if bp is not None else None))
    assert len({r['Symbol'] for r in out}) == 109
    return out


# --- cross-check --------------------------------------------------------------

def read_periodictable_density(path=PERIODICTABLE_DENSITY):
    """Symbol -> Decimal g/cm3 from periodictable's element_densities."""
    import ast
    with open(path, encoding='utf-8') as f:
        tree = ast.parse(f.read())
    for node in tree.body:
        if (isinstance(node, ast.Assign) and len(node.targets) == 1
                and getattr(node.targets[0], 'id', '') == 'element_densities'):
            out = {}
            for kw in node.value.keywords:
                v = ast.literal_eval(kw.value)
                if v is None:
                    continue
                out[kw.arg] = Decimal(repr(v[0] if isinstance(v, tuple) else v))
            return out
    raise SystemExit('%s: no element_densities' % path)


def molar_volume():
    with open(CONSTANTS_SQL, encoding='utf-8') as f:
        m = re.search(r"'Molar volume STP \(L/mol\)', ([0-9.]+)", f.read())
    return Decimal(m.group(1))


def compared_values():
    """(column, symbol, primary, second, unit, second source name); the
    temperatures in kelvin, densities in g/cm3."""
    bodr = read_bodr()
    elemental = read_elemental()
    pt = read_periodictable_density()
    vm = molar_volume()
    out = []
    for z in range(1, 110):
        sym = bodr[z]['symbol']
        e = elemental[sym]
        assert e['Z'] == z, sym
        for column, key, bkey in (('FreezingPoint', 'MeltingPointK', 'meltingpoint'),
                                  ('BoilingPoint', 'BoilingPointK', 'boilingpoint')):
            b = bodr[z].get(bkey)
            out.append((column, sym, e[key][0], Decimal(b.strip()) if b else None,
                        'K', 'bodr'))
        d = elemental_density(sym, e)[0]
        if sym in GASES:
            ideal = (GAS_ATOMS[sym] * Decimal(bodr[z]['mass'].strip()) / vm
                     / 1000)
            out.append(('Density', sym, d, ideal, 'g/cm3', 'ideal gas'))
        else:
            out.append(('Density', sym, d, pt.get(sym), 'g/cm3', 'periodictable'))
    return out


def cross_check():
    """Every value the two sources give differently: (column, symbol, text).
    Differences above TOLERANCE, and values only the second source gives."""
    found = []
    for column, sym, a, b, unit, source in compared_values():
        if a is None and b is None:
            continue
        if a is None:
            found.append((column, sym, 'not in libelemental; %s %s %s'
                          % (source, fmt(b), unit)))
            continue
        if b is None:
            continue
        share = abs(a - b) / a
        if share > TOLERANCE:
            found.append((column, sym, 'libelemental %s %s, %s %s %s (%.1f %%)'
                          % (fmt(a), unit, source, fmt(b), unit, share * 100)))
    return found


def fmt(d):
    """As given; a computed value to 6 significant digits."""
    d = Decimal(d)
    if len(d.as_tuple().digits) > 6:
        d = d.quantize(Decimal(1).scaleb(d.adjusted() - 5), rounding=ROUND_HALF_UP)
    return format(d.normalize(), 'f')


def qualified_values():
    """The values stored that the source qualifies: (column, symbol, word)."""
    words = {'est': 'estimated', 'ca': 'approximate',
             'iso': 'for the most stable isotope'}
    out = []
    for sym, e in sorted(read_elemental().items(), key=lambda i: i[1]['Z']):
        if e['Z'] > 109:
            continue
        for column, (v, q) in (('FreezingPoint', e['MeltingPointK']),
                               ('BoilingPoint', e['BoilingPointK']),
                               ('Density', elemental_density(sym, e))):
            if v is not None and q in words:
                out.append((column, sym, words[q]))
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
-- FreezingPoint, BoilingPoint, Density: libelemental 2.0.2 (Debian package
--   libelemental0 2.0.2-1): the melting-point, boiling-point and density tables
--   compiled into libelemental.so.0, read through the library's API by
--   data/tools/elemental_dump.cc into data/tools/libelemental-2.0.2.tsv. For
--   melting and boiling points the library cites the CRC Handbook of Chemistry
--   and Physics, 84th ed. (D. R. Lide, 2003), Lange's Handbook of Chemistry,
--   15th ed. (J. A. Dean, 1999), Kaye & Laby, Tables of Physical and Chemical
--   Constants, 15th ed. (1993) and Macmillan's Chemical and Physical Data
--   (A. M. James, M. P. Lord, 1992); for densities the same books and the CRC
--   Handbook, 77th ed. (1996) and Lange's 14th ed. (1992), for the gases also
--   H. Kuchling, Taschenbuch der Physik, 13th ed. (1991). It does not say which
--   value comes from which book. No CRC Handbook from the 95th edition on, nor a
--   table that cites one, can be read where this file is made; libelemental is
--   the most recent handbook-derived table that can.
-- FreezingPoint, BoilingPoint: degrees Celsius, the library's kelvin less
--   273.15, kept to the decimals it gives; empty where it gives none. From the
--   library's notes: helium's melting point is for 2.5 MPa (helium does not
--   freeze at normal pressure); carbon (graphite) sublimes at normal pressure at
--   the boiling point listed, so it has no freezing point here. Arsenic's
--   boiling point, 887 K (614 C), lies below its melting point, 1090 K (817 C):
--   at normal pressure solid arsenic turns to vapour at 614 C without melting;
--   it melts at 817 C only under raised pressure.
-- Density: g/cm3. Solids at 20 C; bromine and mercury as liquids at about
--   20 C (the library's notes); the gases H, He, N, O, F, Ne, Cl, Ar, Kr, Xe and
--   Rn at 0 C and 101.325 kPa, the library's g/L divided by 1000. Where the
--   library gives a form: H, N, O, F, Cl, Br, I as molecules X2; C graphite;
--   P white; S beta; Se grey; Sn white; Po alpha; Bk beta. Empty where it gives
--   none.
-- Charge: common oxidation states, Debian package python3-pymatgen 2022.11.7,
--   pymatgen/core/periodic_table.json ("Common oxidation states"); empty where
--   it lists none.
-- Configuration: bodr electronicConfiguration, noble-gas core in brackets;
--   Nb [Kr] 4d4 5s1 and Tc [Kr] 4d5 5s2 are the NIST ground states (bodr's two
--   entries are wrong); empty where bodr has none (Sg to Mt).
-- State: at 25 C and 101.325 kPa: Gas, Liquid or Solid; Synthetic for the
--   man-made elements Pm and Np to Mt.
-- GroupName: chemical class (Alkali Metal, Alkaline Earth Metal, Transition
--   Metal, Other Metal, Metalloid, Nonmetal, Halogen, Noble Gas, Lanthanide,
--   Actinide); the metalloids are B, Si, Ge, As, Sb, Te, Po and At.
"""

CROSS_CHECK_HEAD = """\
--
-- Cross-check (python3 data/tools/gen_core_tables.py --check), every row
--   against a second source: melting and boiling points against bodr 10
--   (meltingpoint, boilingpoint; bodr's bibliography names WebElements),
--   compared in kelvin; densities of solids and liquids against Debian package
--   python3-periodictable 1.6.0, periodictable/density.py (CRC Handbook, 80th
--   ed., 1999); densities of the gases against the ideal gas, molar mass (bodr)
--   over the molar volume 22.41396954 L/mol (CODATA 2018, 20-constants.sql).
--   Reported are differences above 2 % of the stored value and values only the
--   second source gives: {count}, each with the reason the stored value stands.
--   Further witnesses named there: "pymatgen", Debian python3-pymatgen
--   2022.11.7, pymatgen/core/periodic_table.json; "pgf-PeriodicTable", Debian
--   texlive-pictures 2022.20230122-3, tex/latex/pgf-periodictable/pgfPT.data.tex
--   (v1.0.1). Neither names a source for these values.
"""

# Why each value the cross-check reports stands. The generator stops on a
# reported value without a reason here, and on a reason nothing reports.
CROSS_CHECK_REASONS = {
    ('Be', 'BoilingPoint'): 'pymatgen and pgf-PeriodicTable give 2742 K too; '
                            "bodr's 3243 K stands alone.",
    ('C', 'FreezingPoint'): 'left empty: libelemental notes that carbon '
                            'sublimes at normal pressure, so graphite does '
                            'not melt there (pymatgen 3800 K, '
                            'pgf-PeriodicTable 3823 K).',
    ('C', 'BoilingPoint'): 'the sublimation point, which libelemental marks '
                           'approximate; the sources spread widely '
                           '(pymatgen and pgf-PeriodicTable 4300 K).',
    ('C', 'Density'): "graphite; periodictable's own note gives 1.9-2.3 "
                      "for graphite and 2.26 in NIST's X-ray tables; pymatgen "
                      'and pgf-PeriodicTable give 2.267.',
    ('Si', 'BoilingPoint'): "pgf-PeriodicTable gives 3538 K too (pymatgen "
                            "3173 K); bodr's 2630 K is far below both.",
    ('S', 'Density'): 'the beta form (libelemental\'s note); pymatgen and '
                      'pgf-PeriodicTable give 1.96 too; periodictable names '
                      'no form.',
    ('K', 'Density'): 'pgf-PeriodicTable gives 0.89 too (pymatgen 0.856).',
    ('Cr', 'FreezingPoint'): 'pymatgen and pgf-PeriodicTable give 2180 K too.',
    ('Mn', 'BoilingPoint'): 'pymatgen and pgf-PeriodicTable give 2334 K too.',
    ('Fe', 'BoilingPoint'): 'pymatgen and pgf-PeriodicTable give 3134 K too.',
    ('Ni', 'BoilingPoint'): 'pymatgen gives 3186 K too (pgf-PeriodicTable '
                            '3003 K).',
    ('Sr', 'Density'): 'pgf-PeriodicTable gives 2.64 too (pymatgen 2.63).',
    ('Tc', 'Density'): "libelemental's value is for the most stable isotope; "
                       'periodictable marks its 11.5 as calculated '
                       '(pymatgen 11.5, pgf-PeriodicTable 11).',
    ('Cs', 'Density'): 'pgf-PeriodicTable gives 1.93 too (pymatgen 1.879).',
    ('Ba', 'BoilingPoint'): 'the compilations disagree (pymatgen 2143 K, '
                            'pgf-PeriodicTable 1910 K); the handbook-derived '
                            'value stands.',
    ('Ra', 'BoilingPoint'): 'pymatgen and pgf-PeriodicTable give 2010 K too; '
                            "bodr's 1413 K stands alone.",
    ('Th', 'FreezingPoint'): 'pymatgen and pgf-PeriodicTable give 2115 K too.',
    ('Np', 'BoilingPoint'): 'pymatgen and pgf-PeriodicTable give 4273 K too.',
    ('Am', 'Density'): 'pgf-PeriodicTable gives 12 too (pymatgen none).',
    ('Bk', 'BoilingPoint'): "left empty: bodr's 983 K lies below every "
                            "melting point given (bodr's own 1258 K); "
                            'libelemental, pymatgen and pgf-PeriodicTable give '
                            'none.',
    ('Bk', 'Density'): 'the beta form (libelemental\'s note); periodictable '
                       'marks its 14 as estimated (pymatgen and '
                       'pgf-PeriodicTable 14.78).',
    ('Cf', 'BoilingPoint'): "left empty: bodr's 1173 K lies 1 K above its own "
                            'melting point, 1172 K; libelemental, pymatgen and '
                            'pgf-PeriodicTable give none.',
}


def cross_check_report():
    """One text per reported value, with why the stored value stands."""
    found = cross_check()
    keys = [(sym, column) for column, sym, _ in found]
    missing = [k for k in keys if k not in CROSS_CHECK_REASONS]
    stale = [k for k in CROSS_CHECK_REASONS if k not in keys]
    if missing or stale:
        for column, sym, what in found:
            if (sym, column) in missing:
                print('%s %s: %s' % (sym, column, what), file=sys.stderr)
        raise SystemExit('cross-check: no reason for %s; reason for nothing: %s'
                         % (missing, stale))
    return ['%s %s: %s; %s' % (sym, column, what, CROSS_CHECK_REASONS[(sym, column)])
            for column, sym, what in found]


def generalinfo_head():
    report = cross_check_report()
    lines = [GENERALINFO_HEAD.rstrip('\n')]
    marked = qualified_values()
    words = sorted({w for _, _, w in marked})
    lines.append('-- Values libelemental qualifies, stored as it gives them:')
    for w in words:
        lines.extend(wrap('%s: %s.' % (w, ', '.join(
            '%s %s' % (sym, column) for column, sym, ww in marked if ww == w))))
    lines.append(CROSS_CHECK_HEAD.replace('{count}', str(len(report))).rstrip('\n'))
    for text in report:
        lines.extend(wrap(text))
    return '\n'.join(lines) + '\n'


def wrap(text, width=80):
    import textwrap
    return textwrap.wrap(text, width, initial_indent='--   ',
                         subsequent_indent='--     ', break_on_hyphens=False)


GI_COLS = ['AtomicNumber', 'Symbol', 'ElementName', 'AtomicWeight', 'State',
           'Charge', 'Configuration', 'GroupName', 'Density', 'FreezingPoint',
           'BoilingPoint']
GI_TEXT = {'Symbol', 'ElementName', 'State', 'Charge', 'Configuration',
           'GroupName'}


def write_generalinfo(rows, path):
    lines = [generalinfo_head(),
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

# (Compound, FreezingPoint C, Kf C kg/mol, BoilingPoint C, Kb C kg/mol, file of
# chemical-structures-data or None). No reachable source gives the constants.
SOLVENTS = [
    ('Water', '0.0', '1.86', '100.0', '0.512', 'water/water.cml'),
    ('Benzene', '5.5', '5.12', '80.1', '2.53', 'aromatics/benzene.cml'),
    ('Ethanol', '-114.1', '1.99', '78.4', '1.22', 'alcohols/ethanol.cml'),
    ('Acetic acid', '16.6', '3.90', '117.9', '2.93',
     'carboxylic_acids/acetic_acid.cml'),
    ('Cyclohexane', '6.6', '20.0', '80.7', '2.79', 'alkanes/cyclohexane.cml'),
    ('Camphor', '179.8', '40.0', '208.0', '5.95',
     'polycyclic_alkanes/1R-camphor.cml'),
    ('Chloroform', '-63.5', '4.68', '61.2', '3.63', 'haloalkanes/chloroform.cml'),
    ('Carbon tetrachloride', '-22.3', '29.8', '76.8', '5.02',
     'haloalkanes/tetrachloromethane.cml'),
    ('Carbon disulfide', '-111.5', '3.83', '46.2', '2.34', None),
    ('Diethyl ether', '-116.2', '1.79', '34.5', '2.02', 'ethers/diethylether.cml'),
]

# Debian package chemical-structures-data 2.2.dfsg.0-20: melting and boiling
# points in whole degrees C, each marked +-1 (errorValue); no source named.
CHEMICAL_STRUCTURES = '/usr/share/chemical-structures'

TEMPS_HEAD = """\
-- Temperatures: solvents with their freezing and boiling points (degrees C)
-- and molal freezing-point depression / boiling-point elevation constants
-- (degrees C per mol/kg), in the order listed to the student.
-- Generated by data/tools/gen_core_tables.py.
--
-- No source for these values could be read where this file is made. They were
--   first entered from memory of general-chemistry textbook
--   tables, not from a source read, and stay because the window "Freezing
--   Point / Boiling Point Changes" offers them. What a reachable source shows
--   is checked here (gen_core_tables.py --check).
-- FPDepression, BPElevation: unverified in every row: no reachable source
--   gives molal freezing-point depression or boiling-point elevation
--   constants.
-- FreezingPoint, BoilingPoint: compared with the melting and boiling points of
--   Debian package chemical-structures-data 2.2.dfsg.0-20
--   (/usr/share/chemical-structures/<class>/<compound>.cml; whole degrees C,
--   each marked +-1; the package names no source), and water's boiling point
--   with the IAPWS saturation-pressure equation of 11-vaporpressure.sql at
--   101.325 kPa. A value that differs by more than the witness's +-1 (0.05 for
--   IAPWS), or that no witness gives, is unverified:
"""


def read_cml_points(rel):
    """(melting, boiling) in degrees C from a chemical-structures file."""
    if rel is None:
        return None, None
    root = ET.parse(os.path.join(CHEMICAL_STRUCTURES, rel)).getroot()
    found = {}
    for scalar in root.iter(CML + 'scalar'):
        ref = scalar.get('dictRef')
        if ref in ('cml:mp', 'cml:bp'):
            assert scalar.get('units') == 'units:celsius', rel
            found[ref] = Decimal(scalar.text.strip())
    return found.get('cml:mp'), found.get('cml:bp')


def water_boiling_point():
    """Degrees C where the IAPWS saturation pressure is 101.325 kPa."""
    low, high = 99.0, 101.0
    for _ in range(60):
        mid = (low + high) / 2
        low, high = (mid, high) if p_sat_kpa(mid) < 101.325 else (low, mid)
    return Decimal(repr(round(low, 2)))


def solvent_checks():
    """Per row: (name, [(column, stored, witnesses text, verified)])."""
    out = []
    for name, fp, kf, bp, kb, rel in SOLVENTS:
        mp_w, bp_w = read_cml_points(rel)
        cols = []
        for column, stored, cml in (('FreezingPoint', fp, mp_w),
                                    ('BoilingPoint', bp, bp_w)):
            stored = Decimal(stored)
            witnesses = []
            if cml is not None:
                witnesses.append(('chemical-structures', cml, Decimal(1)))
            if name == 'Water' and column == 'BoilingPoint':
                witnesses.append(('IAPWS', water_boiling_point(), Decimal('0.05')))
            ok = bool(witnesses) and all(abs(stored - w) <= tol
                                         for _, w, tol in witnesses)
            said = ', '.join('%s %s' % (src, fmt(w)) for src, w, _ in witnesses)
            cols.append((column, stored, said or 'no witness', ok))
        out.append((name, cols))
    return out


def solvent_report():
    out = []
    for name, cols in solvent_checks():
        parts = ['%s %s (%s)' % (c, fmt(v), said) for c, v, said, _ in cols]
        out.append('%s: %s; unverified: %s.' % (name, '; '.join(parts),
                                                ', '.join(unverified(cols))))
    return out


def unverified(cols):
    return [c for c, _, _, ok in cols if not ok] + ['FPDepression', 'BPElevation']


def temps_head():
    lines = [TEMPS_HEAD.rstrip('\n')]
    for text in solvent_report():
        lines.extend(wrap(text))
    return '\n'.join(lines) + '\n'


def write_temps(path):
    checks = dict(solvent_checks())
    lines = [temps_head(),
             'CREATE TABLE Temperatures (\n  Compound TEXT,\n'
             '  FreezingPoint REAL,\n  FPDepression REAL,\n'
             '  BoilingPoint REAL,\n  BPElevation REAL\n);\n', 'BEGIN;']
    for name, fp, kf, bp, kb, _ in SOLVENTS:
        tag = ' -- unverified: %s' % ', '.join(unverified(checks[name]))
        lines.append('INSERT INTO Temperatures VALUES (%s, %s, %s, %s, %s);%s'
                     % (text(name), fp, kf, bp, kb, tag))
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    if sys.argv[1:] == ['--check']:
        print('\n'.join(cross_check_report()))
        print('\n'.join(solvent_report()))
        return
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), os.pardir)
    rows = element_rows()
    write_generalinfo(rows, os.path.join(out, '10-generalinfo.sql'))
    write_vapor(os.path.join(out, '11-vaporpressure.sql'))
    write_groups(rows, os.path.join(out, '12-molecularweights.sql'))
    write_temps(os.path.join(out, '13-temperatures.sql'))


if __name__ == '__main__':
    main()
