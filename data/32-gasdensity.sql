-- Densities of gases at 0 C and 101.325 kPa (STP), g/L.
--
-- The rows were first entered citing the CRC Handbook of
--   Chemistry and Physics (physical constants of inorganic and organic
--   compounds; properties of the elements) without an edition; no edition of
--   that handbook can be read where this file is made.
-- The eleven elements are checked (/usr/bin/python3 data/tools/check_tables.py)
--   against libelemental 2.0.2 (Debian package libelemental0 2.0.2-1), its
--   DensityGas table (g/L at 0 C) in data/tools/libelemental-2.0.2.tsv, for
--   which the library cites the CRC Handbook, 84th ed. (2003) and 77th ed.
--   (1996), Lange's Handbook of Chemistry, 15th ed. (1999) and 14th ed. (1992),
--   Kaye & Laby, 15th ed. (1993), Macmillan's Chemical and Physical Data (1992)
--   and H. Kuchling, Taschenbuch der Physik, 13th ed. (1991): all within 0.5 %
--   (Hydrogen 0.0899 against 0.08988, Nitrogen 1.2506 against 1.251, Fluorine
--   1.696 against 1.7, Chlorine 3.214 against 3.2; Helium, Neon, Oxygen, Argon,
--   Krypton, Xenon and Radon equal).
-- Unverified (no reachable source gives them): Methane, Ammonia, Acetylene,
--   Carbon monoxide, Ethylene, Air (dry), Nitric oxide, Ethane, Hydrogen
--   sulfide, Hydrogen chloride, Carbon dioxide, Nitrous oxide, Propane and
--   Sulfur dioxide.
CREATE TABLE "GasDensity" ("Gas" TEXT, "Density" REAL);
BEGIN;
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Hydrogen', 0.0899);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Helium', 0.1786);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Methane', 0.717);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Ammonia', 0.771);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Neon', 0.9002);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Acetylene', 1.173);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Carbon monoxide', 1.25);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Nitrogen', 1.2506);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Ethylene', 1.26);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Air (dry)', 1.293);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Nitric oxide', 1.34);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Ethane', 1.356);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Oxygen', 1.429);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Hydrogen sulfide', 1.539);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Hydrogen chloride', 1.639);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Fluorine', 1.696);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Argon', 1.784);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Carbon dioxide', 1.977);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Nitrous oxide', 1.978);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Propane', 2.01);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Sulfur dioxide', 2.927);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Chlorine', 3.214);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Krypton', 3.749);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Xenon', 5.894);
INSERT INTO "GasDensity" ("Gas", "Density") VALUES ('Radon', 9.73);
COMMIT;
