-- Average bond enthalpies (kJ/mol) and typical bond lengths (pm). C=O energy as in CO2.
-- Energy: Brown, LeMay et al., Chemistry: The Central Science, table of average bond
--   enthalpies; no edition was noted, and neither that book nor any table of bond
--   enthalpies is in a Debian or npm package reachable here. Energy: unverified in
--   every row.
-- Length: npm package @exabyte-io/periodic-table.js 2.0.5, file element-bonds.json
--   ("length", in angstrom, times 100), all 38 rows; the package's README names as their
--   origin the handout "Selected Bond Energies and Bond Lengths" of a chemistry course at
--   chem.tamu.edu, which cannot be read here. Those lengths were 21 of the 22 lengths this
--   table held before; C=O was 123 and is 120, the length in the same row as the package's
--   C=O energy (799 kJ/mol).
-- Cross-check of the lengths against Debian package python3-pymatgen 2022.11.7,
--   pymatgen/core/bond_lengths.json (24 of the 38 bonds; it cites no source for most):
--   within 2 % but for H-H (pymatgen 107 pm against 74 pm here), C=O (pymatgen 123) and
--   N-O (pymatgen 137 and 151); H-Br, H-I, C≡O, C-Br, C-I, N=O, O=O, Si-H, Si-Si, Si-O,
--   Cl-Cl, Br-Br and I-I it does not list.
CREATE TABLE "Bonds" ("Bond" TEXT, "Energy" INTEGER, "Length" INTEGER);
BEGIN;
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('H-H', 436, 74);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('H-F', 567, 92);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('H-Cl', 431, 127);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('H-Br', 366, 141);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('H-I', 299, 161);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-H', 413, 109);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-C', 348, 154);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C=C', 614, 134);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C≡C', 839, 120);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-N', 293, 147);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C=N', 615, 129);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C≡N', 891, 116);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-O', 358, 143);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C=O', 799, 120);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C≡O', 1072, 113);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-F', 485, 135);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-Cl', 328, 177);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-Br', 276, 194);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-I', 240, 214);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-S', 259, 182);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-H', 391, 101);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-N', 163, 145);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N=N', 418, 125);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N≡N', 941, 110);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-O', 201, 140);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N=O', 607, 121);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O-H', 463, 96);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O-O', 146, 148);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O=O', 495, 121);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('S-H', 339, 134);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('S-S', 266, 205);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-H', 323, 148);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-Si', 226, 233);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-O', 368, 163);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('F-F', 155, 142);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Cl-Cl', 242, 199);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Br-Br', 193, 228);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('I-I', 151, 267);
COMMIT;
