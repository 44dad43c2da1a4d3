-- Percent ionic and covalent character of a bond by electronegativity difference.
-- Source: L. Pauling, The Nature of the Chemical Bond, 3rd ed. (1960), relation between
-- electronegativity difference and amount of ionic character; covalent = 100 - ionic.
CREATE TABLE "Character" ("Difference" REAL, "Ionic" INTEGER, "Covalent" INTEGER);
BEGIN;
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (0.0, 0, 100);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (0.2, 1, 99);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (0.4, 4, 96);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (0.6, 9, 91);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (0.8, 15, 85);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (1.0, 22, 78);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (1.2, 30, 70);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (1.4, 39, 61);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (1.6, 47, 53);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (1.8, 55, 45);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (2.0, 63, 37);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (2.2, 70, 30);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (2.4, 76, 24);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (2.6, 82, 18);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (2.8, 86, 14);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (3.0, 89, 11);
INSERT INTO "Character" ("Difference", "Ionic", "Covalent") VALUES (3.2, 92, 8);
COMMIT;
