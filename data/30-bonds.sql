-- Average bond enthalpies (kJ/mol) and typical bond lengths (pm); NULL where no length
-- is tabulated. C=O energy as in CO2.
-- Sources: Brown, LeMay et al., Chemistry: The Central Science, tables of average bond
-- enthalpies and bond lengths; diatomic lengths from the CRC Handbook of Chemistry and Physics.
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
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-N', 293, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C=N', 615, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C≡N', 891, 116);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-O', 358, 143);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C=O', 799, 123);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C≡O', 1072, 113);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-F', 485, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-Cl', 328, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-Br', 276, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-I', 240, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('C-S', 259, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-H', 391, 101);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-N', 163, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N=N', 418, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N≡N', 941, 110);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N-O', 201, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('N=O', 607, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O-H', 463, 96);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O-O', 146, 148);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('O=O', 495, 121);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('S-H', 339, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('S-S', 266, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-H', 323, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-Si', 226, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Si-O', 368, NULL);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('F-F', 155, 142);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Cl-Cl', 242, 199);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('Br-Br', 193, 228);
INSERT INTO "Bonds" ("Bond", "Energy", "Length") VALUES ('I-I', 151, 267);
COMMIT;
