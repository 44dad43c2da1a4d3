-- Physical constants, unit in the name.
-- Source: CODATA 2018 recommended values (NIST); molar volume of an ideal gas
-- at 273.15 K and 101.325 kPa given in L/mol.
CREATE TABLE "Constants" ("Constant" TEXT, "value" REAL);
BEGIN;
INSERT INTO "Constants" ("Constant", "value") VALUES ('Speed of light (m/s)', 299792458.0);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Planck constant (J*s)', 6.62607015e-34);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Planck constant (eV*s)', 4.135667696e-15);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Reduced Planck (J*s)', 1.054571817e-34);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Elementary charge (C)', 1.602176634e-19);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Electron volt (J)', 1.602176634e-19);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Boltzmann constant (J/K)', 1.380649e-23);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Boltzmann const. (eV/K)', 8.617333262e-05);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Avogadro constant (1/mol)', 6.02214076e+23);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Gas constant (J/mol*K)', 8.314462618);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Faraday constant (C/mol)', 96485.33212);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Molar volume STP (L/mol)', 22.41396954);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Electron mass (kg)', 9.1093837015e-31);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Electron mass (u)', 0.000548579909065);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Proton mass (kg)', 1.67262192369e-27);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Proton mass (u)', 1.007276466621);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Neutron mass (kg)', 1.67492749804e-27);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Neutron mass (u)', 1.00866491595);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Atomic mass unit (kg)', 1.6605390666e-27);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Energy of 1 u (MeV)', 931.49410242);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Newtonian G (N*m2/kg2)', 6.6743e-11);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Vacuum permittivity (F/m)', 8.8541878128e-12);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Magnetic constant (N/A2)', 1.25663706212e-06);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Rydberg constant (1/m)', 10973731.56816);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Bohr radius (m)', 5.29177210903e-11);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Fine-structure constant', 0.0072973525693);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Stefan-Boltzmann (W/m2K4)', 5.670374419e-08);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Standard gravity (m/s2)', 9.80665);
INSERT INTO "Constants" ("Constant", "value") VALUES ('Standard atmosphere (Pa)', 101325.0);
COMMIT;
