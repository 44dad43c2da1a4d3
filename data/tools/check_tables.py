#!/usr/bin/python3
"""Compares the hand-entered tables of physical data with what the Debian
packages reachable here hold, and prints every row compared, with the
differences above each table's tolerance marked "DIFFERS".

    apt-get install python3-iapws libelemental-dev
    apt-get download python3-pymatgen && dpkg -x python3-pymatgen_*.deb /tmp/pmg
    /usr/bin/python3 data/tools/check_tables.py [/tmp/pmg]
    /usr/bin/python3 data/tools/check_tables.py --write-water   # rewrites 33-waterdensity.sql

Witnesses (the versions the data files name):
  - 26-enthalpies.sql and the elements of 32-gasdensity.sql: libelemental
    2.0.2 (Debian libelemental0 2.0.2-1), read by data/tools/elemental_dump.cc
    into data/tools/libelemental-2.0.2-heats.tsv and libelemental-2.0.2.tsv;
  - 33-waterdensity.sql: IAPWS-95 as implemented by Debian python3-iapws
    1.5.3-1 (liquid at 101.325 kPa; at 100 C the saturated liquid, as water
    boils at 99.97 C under that pressure);
  - 24-thermodynamicdata.sql: Debian python3-pymatgen
    2022.11.7+dfsg1-11+deb12u2, pymatgen/entries/exp_compounds.json.gz
    (experimental enthalpies of formation of solids, eV per formula unit) and
    pymatgen/entries/data/nist_gas_gf.json (Gibbs energies of formation of
    gases, eV per formula unit, the 300 K entry).
No reachable package gives solubility products or reduction potentials; the
script has nothing to compare 22-solubilityconstants.sql and
25-standardreductions.sql with.
"""
import gzip
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, os.pardir)
EV = 96.48533212  # kJ/mol per eV per formula unit (CODATA 2018, e x N_A)


def rows(sql_file):
    """The VALUES tuples of a data file, as lists of Python values."""
    out = []
    with open(os.path.join(DATA, sql_file), encoding='utf-8') as f:
        for line in f:
            m = re.search(r'VALUES \((.*)\);\s*$', line)
            if m:
                out.append(eval('[' + m.group(1).replace('NULL', 'None') + ']'))
    return out


def elemental(name):
    """Symbol -> {column: float} from a libelemental table."""
    table, header = {}, None
    with open(os.path.join(HERE, name), encoding='utf-8') as f:
        for line in f:
            if line.startswith('#'):
                continue
            cells = line.rstrip('\n').split('\t')
            if header is None:
                header = cells
                continue
            values = {}
            for col, cell in zip(header[2:], cells[2:]):
                v = cell.split('|')[0]
                if v:
                    values[col] = float(v)
            table[cells[1]] = values
    return table


def symbols():
    return {r[2]: r[1] for r in rows('10-generalinfo.sql')}  # ElementName -> Symbol


def report(title, compared, tolerance):
    print(f'== {title}')
    bad = 0
    for name, stored, witness in compared:
        if witness is None:
            print(f'  {name}: {stored} (no value to compare)')
            continue
        differs = abs(stored - witness) > tolerance(stored)
        bad += differs
        print(f'  {name}: {stored} vs {witness:.6g}' + ('  DIFFERS' if differs else ''))
    print(f'  {len(compared)} compared, {bad} differ')


def enthalpies():
    heats, sym = elemental('libelemental-2.0.2-heats.tsv'), symbols()
    compared = []
    for name, fusion, vap in rows('26-enthalpies.sql'):
        h = heats.get(sym[name], {})
        compared.append((name + ' fusion', fusion, h.get('FusionHeat')))
        compared.append((name + ' vaporization', vap, h.get('VaporizationHeat')))
    report('26-enthalpies.sql against libelemental 2.0.2 (2 %)', compared, lambda v: 0.02 * abs(v))


def gas_density():
    gas, sym = elemental('libelemental-2.0.2.tsv'), symbols()
    compared = []
    for name, density in rows('32-gasdensity.sql'):
        s = sym.get(name)
        compared.append((name, density, gas.get(s, {}).get('DensityGas') if s else None))
    report('32-gasdensity.sql against libelemental 2.0.2 DensityGas (0.5 %)', compared, lambda v: 0.005 * abs(v))


def water_density():
    from iapws import IAPWS95
    compared = []
    for t, density in rows('33-waterdensity.sql'):
        w = IAPWS95(T=t + 273.15, P=0.101325)
        if w.phase != 'Liquid':
            w = IAPWS95(T=t + 273.15, x=0)
        compared.append((f'{t} C', density, w.rho / 1000))
    report('33-waterdensity.sql against IAPWS-95 (python3-iapws), g/mL (0.000005)', compared, lambda v: 0.000005)


def parse_formula(f):
    def group(i):
        counts = {}
        while i < len(f):
            if f[i] == '(':
                inner, i = group(i + 1)
                m = re.match(r'\d*', f[i:])
                k = int(m.group() or 1)
                i += len(m.group())
                for a, n in inner.items():
                    counts[a] = counts.get(a, 0) + n * k
            elif f[i] == ')':
                return counts, i + 1
            else:
                m = re.match(r'([A-Z][a-z]?)(\d*)', f[i:])
                counts[m.group(1)] = counts.get(m.group(1), 0) + int(m.group(2) or 1)
                i += len(m.group())
        return counts, i
    return frozenset(group(0)[0].items())


def thermodynamic(pymatgen_root):
    base = os.path.join(pymatgen_root, 'usr/lib/python3/dist-packages/pymatgen/entries')
    with gzip.open(os.path.join(base, 'exp_compounds.json.gz')) as f:
        solids = {}
        for e in json.load(f):
            solids.setdefault(parse_formula(e['formula']), e['exp energy'] * EV)
    with open(os.path.join(base, 'data', 'nist_gas_gf.json')) as f:
        gases = {parse_formula(k): v['300'] * EV for k, v in json.load(f).items() if '300' in v}
    hf, gf = [], []
    for substance, h, g, _s in rows('24-thermodynamicdata.sql'):
        m = re.match(r'(.*)\((s|l|g|graphite|diamond|rhombic)\)$', substance)
        formula, phase = m.group(1), m.group(2)
        if not formula:
            continue
        key = parse_formula(formula)
        if phase == 's' and key in solids:
            hf.append((substance, h, solids[key]))
        if phase == 'g' and key in gases:
            gf.append((substance, g, gases[key]))
    report('24-thermodynamicdata.sql Hf of solids against pymatgen exp_compounds (1 %)', hf, lambda v: 0.01 * abs(v))
    report('24-thermodynamicdata.sql Gf of gases against pymatgen nist_gas_gf, 300 K (0.5 kJ/mol)', gf,
           lambda v: 0.5)


WATER_HEAD = """\
-- Density of liquid water at 101.325 kPa by temperature (C), g/mL.
-- Generated by data/tools/check_tables.py --write-water.
--
-- Source: the IAPWS-95 formulation (IAPWS R6-95(2018), Wagner and Pruss), as
--   implemented by Debian package python3-iapws 1.5.3-1 (class IAPWS95), at
--   T = C + 273.15 K and 101.325 kPa, rounded to five decimals. At 100 C water
--   boils under 101.325 kPa (at 99.97 C), so the 100 C row is the saturated
--   liquid (IAPWS95 with x = 0, at 101.42 kPa).
-- The rows were first entered from a handbook table (Kell) that cannot be read
--   where this file is made; 18 of its 45 values differed from IAPWS-95 in the
--   fifth decimal, by at most 0.000017 g/mL (python3 data/tools/check_tables.py
--   printed them before this file was regenerated).
"""


def write_water(path):
    from iapws import IAPWS95
    temperatures = [r[0] for r in rows('33-waterdensity.sql')]
    lines = [WATER_HEAD, 'CREATE TABLE "WaterDensity" ("Temperature" INTEGER, "Density" REAL);', 'BEGIN;']
    for t in temperatures:
        w = IAPWS95(T=t + 273.15, P=0.101325)
        if w.phase != 'Liquid':
            w = IAPWS95(T=t + 273.15, x=0)
        d = round(w.rho / 1000, 5)
        lines.append(f'INSERT INTO "WaterDensity" ("Temperature", "Density") VALUES ({t}, {d!r});')
    lines.append('COMMIT;')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines).replace('\n\nCREATE', '\nCREATE') + '\n')


def main():
    if sys.argv[1:2] == ['--write-water']:
        write_water(os.path.join(DATA, '33-waterdensity.sql'))
        return
    enthalpies()
    gas_density()
    water_density()
    if len(sys.argv) > 1:
        thermodynamic(sys.argv[1])


if __name__ == '__main__':
    main()
