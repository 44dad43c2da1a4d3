-- Half-lives of common radionuclides, with unit (s, min, h, d, y), and main decay modes
-- (Beta = beta minus, Positron = beta plus, EC = electron capture, IT = isomeric transition).
-- Sources: NNDC/NUBASE2020 evaluated half-lives, C-14 as the textbook 5730 y;
-- CRC Handbook of Chemistry and Physics, "Table of the isotopes", edition not noted.
-- Neither source, nor any table of half-lives or decay modes, is in a Debian or npm
-- package reachable here: HalfLife and DecayMode are unverified in every row.
CREATE TABLE "HalfLives" ("Substance" TEXT, "HalfLife" TEXT, "DecayMode" TEXT);
BEGIN;
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('H-3', '12.32 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Be-7', '53.22 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('C-14', '5730 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('N-13', '9.965 min', 'Positron');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('O-15', '122.2 s', 'Positron');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('F-18', '109.7 min', 'Positron, EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Na-22', '2.602 y', 'Positron, EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Na-24', '15.0 h', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Al-26', '7.17E5 y', 'Positron, EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('P-32', '14.27 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('S-35', '87.37 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Cl-36', '3.01E5 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('K-40', '1.248E9 y', 'Beta, EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Ca-45', '162.6 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Cr-51', '27.70 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Fe-59', '44.50 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Co-60', '5.271 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Ga-67', '3.262 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Kr-85', '10.74 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Sr-90', '28.8 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Mo-99', '65.98 h', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Tc-99m', '6.01 h', 'Gamma (IT)');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('In-111', '2.805 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('I-125', '59.40 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('I-131', '8.02 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Xe-133', '5.248 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Cs-137', '30.08 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Au-198', '2.695 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Tl-201', '3.042 d', 'EC');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Pb-210', '22.2 y', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Po-210', '138.4 d', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Rn-222', '3.824 d', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Fr-223', '22.0 min', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Ra-226', '1600 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Th-232', '1.40E10 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Th-234', '24.10 d', 'Beta');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('U-235', '7.04E8 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('U-238', '4.468E9 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Np-237', '2.144E6 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Pu-238', '87.7 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Pu-239', '24110 y', 'Alpha');
INSERT INTO "HalfLives" ("Substance", "HalfLife", "DecayMode") VALUES ('Am-241', '432.6 y', 'Alpha');
COMMIT;
