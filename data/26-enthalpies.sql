-- Enthalpy of fusion at the melting point and of vaporization at the normal boiling
-- point, kJ/mol (H, N, O, F, Cl, Br, I as the diatomic molecule).
-- Source: CRC Handbook of Chemistry and Physics, "Enthalpy of fusion" and
-- "Enthalpy of vaporization" tables of the elements.
CREATE TABLE "Enthalpies" ("Element" TEXT, "EofFusion" REAL, "EofVaporization" REAL);
BEGIN;
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Hydrogen', 0.12, 0.9);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Lithium', 3.0, 147.1);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Beryllium', 7.895, 297.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Boron', 50.2, 480.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Nitrogen', 0.71, 5.57);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Oxygen', 0.44, 6.82);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Fluorine', 0.51, 6.62);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Neon', 0.335, 1.71);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Sodium', 2.6, 97.42);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Magnesium', 8.48, 128.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Aluminum', 10.71, 294.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Silicon', 50.21, 359.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Chlorine', 6.4, 20.41);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Argon', 1.18, 6.43);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Potassium', 2.33, 76.9);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Calcium', 8.54, 154.7);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Titanium', 14.15, 425.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Chromium', 21.0, 339.5);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Manganese', 12.91, 221.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Iron', 13.81, 340.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Cobalt', 16.06, 377.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Nickel', 17.48, 377.5);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Copper', 13.26, 300.4);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Zinc', 7.068, 115.3);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Bromine', 10.57, 29.96);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Krypton', 1.64, 9.08);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Silver', 11.28, 250.58);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Tin', 7.173, 296.1);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Iodine', 15.52, 41.57);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Xenon', 2.27, 12.57);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Platinum', 22.17, 469.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Gold', 12.55, 324.0);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Mercury', 2.29, 59.11);
INSERT INTO "Enthalpies" ("Element", "EofFusion", "EofVaporization") VALUES ('Lead', 4.774, 179.5);
COMMIT;
