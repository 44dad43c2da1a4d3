-- Standard reduction potentials at 25 C, volts versus the standard hydrogen electrode.
--
-- No source for these values can be read where this file is made. They were
--   first entered citing the CRC Handbook of Chemistry
--   and Physics, "Electrochemical series", without an edition; no edition of
--   that handbook, nor any other table of electrode potentials, is in a Debian
--   or npm package reachable here (data/tools/check_tables.py has nothing to
--   compare them with). They stay because the window "Standard Reduction
--   Potentials" lists them.
-- Volts: 0 for 2H+ + 2e- -> H2 by the definition of the scale; unverified in
--   every other row.
CREATE TABLE "StandardReductions" ("HalfReaction" TEXT, "Volts" REAL);
BEGIN;
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('F2 + 2e- -> 2F-', 2.866);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('O3 + 2H+ + 2e- -> O2 + H2O', 2.076);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Co3+ + e- -> Co2+', 1.92);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('H2O2 + 2H+ + 2e- -> 2H2O', 1.776);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Ce4+ + e- -> Ce3+', 1.72);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Au+ + e- -> Au', 1.692);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('PbO2 + SO4(2-) + 4H+ + 2e- -> PbSO4 + 2H2O', 1.6913);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('MnO4- + 4H+ + 3e- -> MnO2 + 2H2O', 1.679);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('MnO4- + 8H+ + 5e- -> Mn2+ + 4H2O', 1.507);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Au3+ + 3e- -> Au', 1.498);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cl2 + 2e- -> 2Cl-', 1.35827);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cr2O7(2-) + 14H+ + 6e- -> 2Cr3+ + 7H2O', 1.232);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('O2 + 4H+ + 4e- -> 2H2O', 1.229);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('MnO2 + 4H+ + 2e- -> Mn2+ + 2H2O', 1.224);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Br2(l) + 2e- -> 2Br-', 1.066);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('NO3- + 4H+ + 3e- -> NO + 2H2O', 0.957);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Hg2+ + 2e- -> Hg', 0.851);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Ag+ + e- -> Ag', 0.7996);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Hg2(2+) + 2e- -> 2Hg', 0.7973);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Fe3+ + e- -> Fe2+', 0.771);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('O2 + 2H+ + 2e- -> H2O2', 0.695);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('I2 + 2e- -> 2I-', 0.5355);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cu+ + e- -> Cu', 0.521);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('O2 + 2H2O + 4e- -> 4OH-', 0.401);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cu2+ + 2e- -> Cu', 0.3419);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('AgCl + e- -> Ag + Cl-', 0.22233);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cu2+ + e- -> Cu+', 0.153);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Sn4+ + 2e- -> Sn2+', 0.151);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('S + 2H+ + 2e- -> H2S', 0.142);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('2H+ + 2e- -> H2', 0.0);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Fe3+ + 3e- -> Fe', -0.037);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Pb2+ + 2e- -> Pb', -0.1262);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Sn2+ + 2e- -> Sn', -0.1375);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Ni2+ + 2e- -> Ni', -0.257);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Co2+ + 2e- -> Co', -0.28);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('PbSO4 + 2e- -> Pb + SO4(2-)', -0.3588);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cd2+ + 2e- -> Cd', -0.403);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Fe2+ + 2e- -> Fe', -0.447);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Cr3+ + 3e- -> Cr', -0.744);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Zn2+ + 2e- -> Zn', -0.7618);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('2H2O + 2e- -> H2 + 2OH-', -0.8277);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Mn2+ + 2e- -> Mn', -1.185);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Al3+ + 3e- -> Al', -1.662);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Mg2+ + 2e- -> Mg', -2.372);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Na+ + e- -> Na', -2.71);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Ca2+ + 2e- -> Ca', -2.868);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Sr2+ + 2e- -> Sr', -2.899);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Ba2+ + 2e- -> Ba', -2.912);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('K+ + e- -> K', -2.931);
INSERT INTO "StandardReductions" ("HalfReaction", "Volts") VALUES ('Li+ + e- -> Li', -3.0401);
COMMIT;
