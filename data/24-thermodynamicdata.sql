-- Standard thermodynamic data at 298.15 K and 1 bar: Hf = enthalpy of formation (kJ/mol),
-- Gf = Gibbs energy of formation (kJ/mol), S = standard molar entropy (J/mol*K).
-- CaCO3 as calcite, SiO2 as quartz.
--
-- The rows were first entered citing the CRC Handbook of
--   Chemistry and Physics, "Standard thermodynamic properties of chemical
--   substances", without an edition; no edition of that handbook can be read
--   where this file is made. What reachable sources confirm is checked by
--   /usr/bin/python3 data/tools/check_tables.py <unpacked python3-pymatgen>:
-- Hf and Gf of H2(g), O2(g), N2(g), Cl2(g), Br2(l), I2(s), C(graphite) and
--   S(rhombic): 0 by the definition of the standard state.
-- Hf of 14 solids, against Debian package python3-pymatgen
--   2022.11.7+dfsg1-11+deb12u2, pymatgen/entries/exp_compounds.json.gz
--   (experimental enthalpies of formation, eV per formula unit, times
--   96.485 kJ/mol; the file names no source), all within 1 %: NH4Cl -314.4
--   (-314.6), NaCl -411.2 (-411.3), NaOH -425.8 (-425.9), KCl -436.5 (-436.6),
--   MgO -601.6 (-601.6), CaO -634.9 (-634.9), Ca(OH)2 -985.2 (-986.1), CaCO3
--   -1207.6 (-1206.9), Al2O3 -1675.7 (-1668.1), SiO2 -910.7 (-908.3), Fe2O3
--   -824.2 (-825.5), Fe3O4 -1118.4 (-1120.9), CuO -157.3 (-156.1), AgCl -127.0
--   (-127.0).
-- Gf of 13 gases, against the same package's
--   pymatgen/entries/data/nist_gas_gf.json (Gibbs energies of formation of
--   gases, eV per formula unit, at 300 K, which the package's code calls
--   NIST-JANAF data): within 0.5 kJ/mol for H2O(g) -228.6 (-228.5), CO -137.2
--   (-137.3), CO2 -394.4 (-394.4), CH4 -50.5 (-50.6), NH3 -16.4 (-16.2), NO2
--   51.3 (51.4), SO2 -300.1 (-300.1), H2S -33.4 (-33.4), HCl -95.3 (-95.3), HBr
--   -53.4 (-53.6). NO 87.6 (86.6), N2O 103.7 (104.3) and HF -275.4 (-274.7)
--   differ by 0.6 to 1.0 kJ/mol: unverified.
-- Unverified (no reachable source gives them): S in every row; Hf of every
--   row not named above; Gf of every row not named above.
CREATE TABLE "ThermodynamicData" ("Substance" TEXT, "Hf" REAL, "Gf" REAL, "S" REAL);
BEGIN;
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2(g)', 0.0, 0.0, 130.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('O2(g)', 0.0, 0.0, 205.2);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('O3(g)', 142.7, 163.2, 238.9);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('N2(g)', 0.0, 0.0, 191.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Cl2(g)', 0.0, 0.0, 223.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Br2(l)', 0.0, 0.0, 152.2);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('I2(s)', 0.0, 0.0, 116.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C(graphite)', 0.0, 0.0, 5.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C(diamond)', 1.9, 2.9, 2.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('S(rhombic)', 0.0, 0.0, 32.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2O(l)', -285.8, -237.1, 70.0);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2O(g)', -241.8, -228.6, 188.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2O2(l)', -187.8, -120.4, 109.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CO(g)', -110.5, -137.2, 197.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CO2(g)', -393.5, -394.4, 213.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CH4(g)', -74.6, -50.5, 186.3);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C2H6(g)', -84.0, -32.0, 229.2);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C3H8(g)', -103.8, -23.4, 270.3);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C2H4(g)', 52.4, 68.4, 219.3);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C2H2(g)', 227.4, 209.9, 200.9);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C6H6(l)', 49.1, 124.5, 173.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CH3OH(l)', -239.2, -166.6, 126.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('C2H5OH(l)', -277.6, -174.8, 160.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CH3COOH(l)', -484.3, -389.9, 159.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NH3(g)', -45.9, -16.4, 192.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NO(g)', 91.3, 87.6, 210.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NO2(g)', 33.2, 51.3, 240.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('N2O(g)', 81.6, 103.7, 220.0);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('N2O4(g)', 11.1, 99.8, 304.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('HNO3(l)', -174.1, -80.7, 155.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NH4Cl(s)', -314.4, -202.9, 94.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NH4NO3(s)', -365.6, -183.9, 151.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('SO2(g)', -296.8, -300.1, 248.2);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('SO3(g)', -395.7, -371.1, 256.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2S(g)', -20.6, -33.4, 205.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('H2SO4(l)', -814.0, -690.0, 156.9);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('HF(g)', -273.3, -275.4, 173.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('HCl(g)', -92.3, -95.3, 186.9);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('HBr(g)', -36.3, -53.4, 198.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('HI(g)', 26.5, 1.7, 206.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('PCl3(g)', -287.0, -267.8, 311.8);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('PCl5(g)', -374.9, -305.0, 364.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NaCl(s)', -411.2, -384.1, 72.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('NaOH(s)', -425.8, -379.7, 64.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('KCl(s)', -436.5, -408.5, 82.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('MgO(s)', -601.6, -569.3, 27.0);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CaO(s)', -634.9, -603.3, 38.1);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Ca(OH)2(s)', -985.2, -897.5, 83.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CaCO3(s)', -1207.6, -1129.1, 91.7);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Al2O3(s)', -1675.7, -1582.3, 50.9);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('SiO2(s)', -910.7, -856.3, 41.5);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Fe2O3(s)', -824.2, -742.2, 87.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('Fe3O4(s)', -1118.4, -1015.4, 146.4);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('CuO(s)', -157.3, -129.7, 42.6);
INSERT INTO "ThermodynamicData" ("Substance", "Hf", "Gf", "S") VALUES ('AgCl(s)', -127.0, -109.8, 96.3);
COMMIT;
