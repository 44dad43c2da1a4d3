-- Solubility product constants Ksp at 25 C (CaCO3 as calcite).
--
-- No source for these values can be read where this file is made. They were
--   first entered citing the CRC Handbook of Chemistry
--   and Physics, "Solubility product constants", without an edition; no edition
--   of that handbook, nor any other table of solubility products, is in a
--   Debian or npm package reachable here (data/tools/check_tables.py has
--   nothing to compare them with). They stay because the window "Solubility
--   Constants" lists them.
-- Ksp: unverified in every row.
CREATE TABLE "SolubilityConstants" ("Substance" TEXT, "Ksp" REAL);
BEGIN;
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgCl', 1.77e-10);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgBr', 5.35e-13);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgI', 8.52e-17);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgBrO3', 5.38e-05);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgIO3', 3.17e-08);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgCN', 5.97e-17);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('AgSCN', 1.03e-12);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ag2CO3', 8.46e-12);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ag2CrO4', 1.12e-12);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ag2SO4', 1.2e-05);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ag3PO4', 8.89e-17);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('BaCO3', 2.58e-09);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('BaCrO4', 1.17e-10);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('BaF2', 1.84e-07);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('BaSO4', 1.08e-10);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CaCO3', 3.36e-09);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CaF2', 3.45e-11);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ca(OH)2', 5.02e-06);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CaSO4', 4.93e-05);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ca3(PO4)2', 2.07e-33);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ca(IO3)2', 6.47e-06);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Cd(OH)2', 7.2e-15);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Co(OH)2', 5.92e-15);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CuBr', 6.27e-09);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CuCl', 1.72e-07);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('CuI', 1.27e-12);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Fe(OH)2', 4.87e-17);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Fe(OH)3', 2.79e-39);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Hg2Cl2', 1.43e-18);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('MgCO3', 6.82e-06);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('MgF2', 5.16e-11);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Mg(OH)2', 5.61e-12);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Ni(OH)2', 5.48e-16);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbBr2', 6.6e-06);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbCO3', 7.4e-14);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbCl2', 1.7e-05);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbF2', 3.3e-08);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbI2', 9.8e-09);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('PbSO4', 2.53e-08);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('SrCO3', 5.6e-10);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('SrSO4', 3.44e-07);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('ZnCO3', 1.46e-10);
INSERT INTO "SolubilityConstants" ("Substance", "Ksp") VALUES ('Zn(OH)2', 3e-17);
COMMIT;
