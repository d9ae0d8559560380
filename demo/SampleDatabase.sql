-- The demonstration's sample tables. Every name and figure here is invented.
-- One statement per ';'; no ';' inside a statement.

CREATE TABLE parts (
  PartNo INTEGER PRIMARY KEY,
  Description VARCHAR(30) NOT NULL,
  OnHand INTEGER NOT NULL DEFAULT 0,
  OnOrder INTEGER NOT NULL DEFAULT 0,
  Cost NUMERIC(10, 2) NOT NULL,
  ListPrice NUMERIC(10, 2) NOT NULL
);

INSERT INTO parts VALUES
  (1010, 'Needle, lance 60 mm', 142, 0, 1.85, 4.20),
  (1020, 'Needle, arrow 80 mm', 96, 50, 2.10, 4.90),
  (1030, 'Needle pivot, jewelled', 38, 120, 6.40, 14.50),
  (1040, 'Hairspring, bronze', 210, 0, 0.95, 2.30),
  (1050, 'Dial blank, matte white', 75, 25, 3.20, 7.80),
  (1060, 'Dial blank, sunburst', 18, 60, 5.75, 13.90),
  (1070, 'Bezel ring, chrome 64 mm', 54, 0, 8.30, 19.95),
  (1080, 'Bezel ring, brass 80 mm', 22, 40, 11.60, 27.50),
  (1090, 'Cover glass, domed', 130, 0, 2.45, 6.10),
  (1100, 'Cover glass, flat', 185, 0, 1.70, 4.40),
  (1110, 'Knob cap, knurled aluminium', 64, 30, 3.90, 9.25),
  (1120, 'Knob cap, black satin', 91, 0, 2.80, 6.95),
  (1130, 'Shaft coupler, 6 mm', 240, 100, 0.60, 1.75),
  (1140, 'Detent plate, 12 positions', 33, 20, 4.15, 10.40),
  (1150, 'Segment display, 4 digits', 47, 80, 7.20, 16.80),
  (1160, 'Segment display, 8 digits', 12, 40, 12.90, 29.90),
  (1170, 'Dot matrix module, 5 x 7', 58, 0, 9.60, 22.40),
  (1180, 'Backlight strip, amber', 76, 25, 3.35, 8.15),
  (1190, 'Backlight strip, green', 81, 0, 3.35, 8.15),
  (1200, 'Counter drum, 10 figures', 29, 35, 5.10, 12.70),
  (1210, 'Drum axle, stainless', 150, 0, 0.85, 2.15),
  (1220, 'Mounting flange, square', 44, 0, 6.70, 15.60),
  (1230, 'Thumb screw, M3 brass', 520, 200, 0.22, 0.65),
  (1240, 'Panel window, 96 x 48', 37, 15, 4.80, 11.40),
  (1250, 'Zero adjuster, slotted', 112, 0, 1.15, 2.95),
  (1260, 'Slider track, 100 mm', 26, 50, 5.40, 12.95),
  (1270, 'Slider thumb, chrome', 68, 0, 1.95, 4.85),
  (1280, 'Toggle switch, miniature', 133, 60, 1.40, 3.60),
  (1290, 'Push button, lit', 71, 0, 2.65, 6.45),
  (1300, 'Cable loom, 8 way', 95, 30, 3.05, 7.30);

CREATE TABLE employee (
  EmpNo INTEGER PRIMARY KEY,
  LastName VARCHAR(20) NOT NULL,
  FirstName VARCHAR(15) NOT NULL,
  Salary NUMERIC(15, 2) NOT NULL,
  CONSTRAINT "Minimum Salary is $4,500.00" CHECK (Salary >= 4500)
);

INSERT INTO employee VALUES
  (2, 'Ashcombe', 'Marigold', 40000),
  (4, 'Brightwater', 'Tobias', 55500),
  (5, 'Quenby', 'Rosalind', 25050),
  (8, 'Thistlewood', 'Oswin', 29450),
  (9, 'Larkspur', 'Delphine', 31900),
  (11, 'Ombrell', 'Casimir', 38500),
  (12, 'Featherstone', 'Ione', 42300),
  (14, 'Pennyroyal', 'Barnaby', 27600),
  (15, 'Wrenfield', 'Sabine', 47950),
  (20, 'Cobblecott', 'Anselm', 33200),
  (24, 'Hollowmere', 'Petra', 51400),
  (28, 'Vantreeve', 'Lucan', 36800),
  (29, 'Marchbank', 'Elowen', 44150),
  (34, 'Drummle', 'Fenwick', 23900),
  (36, 'Sallowby', 'Imelda', 58700),
  (37, 'Kettleborne', 'Jory', 30250),
  (44, 'Fairweather', 'Odile', 62500),
  (45, 'Gorsewick', 'Tamsin', 28900),
  (46, 'Upfold', 'Mercer', 35600),
  (52, 'Reedham', 'Wilhelmina', 49800);

CREATE TABLE master (
  SYMBOL VARCHAR(7) PRIMARY KEY,
  CO_NAME VARCHAR(30) NOT NULL,
  CUR_PRICE NUMERIC(10, 3) NOT NULL,
  YRL_HIGH NUMERIC(10, 3) NOT NULL,
  YRL_LOW NUMERIC(10, 3) NOT NULL,
  P_E_RATIO NUMERIC(6, 1) NOT NULL
);

INSERT INTO master VALUES
  ('BRMC', 'Bramblecote Instruments', 48.250, 61.500, 39.750, 17.2),
  ('CNDF', 'Cinderfield Mining', 12.125, 18.375, 9.500, 8.4),
  ('DVTF', 'Dovetail Freight', 27.875, 31.250, 22.000, 12.9),
  ('EMBL', 'Emberline Energy', 64.500, 72.125, 51.875, 14.6),
  ('FXGP', 'Foxglove Pharmaceuticals', 93.750, 104.000, 70.250, 23.1),
  ('GLWB', 'Glasswater Beverages', 35.375, 38.500, 29.125, 19.8),
  ('HRWT', 'Harrowgate Textiles', 8.625, 14.250, 7.875, 6.3),
  ('IRBK', 'Ironbark Timber', 21.500, 26.750, 17.250, 10.7),
  ('JNPA', 'Juniper Aerospace', 112.875, 128.500, 88.000, 28.4),
  ('KSTO', 'Kestrel Optics', 56.125, 58.875, 41.500, 21.5),
  ('LNTF', 'Lanternfish Seafoods', 16.750, 20.125, 13.375, 11.2),
  ('MRWF', 'Marrowby Foods', 42.000, 47.625, 36.250, 15.9),
  ('NTLP', 'Nettlecombe Paper', 9.875, 12.500, 6.125, 7.1),
  ('OKHF', 'Oakhollow Furniture', 30.625, 34.875, 24.500, 13.4),
  ('PBSQ', 'Pebblestone Quarries', 19.250, 25.000, 18.125, 9.6),
  ('QLNC', 'Quillon Cutlery', 24.375, 27.250, 19.875, 12.2),
  ('RKTC', 'Rookery Telecom', 71.250, 83.500, 60.625, 25.7),
  ('SLTC', 'Saltmarsh Chemicals', 38.875, 45.125, 33.000, 16.3),
  ('TNDX', 'Tinderbox Matches', 5.500, 7.875, 4.250, 5.8),
  ('UMBR', 'Umberfield Rail', 45.625, 49.000, 37.375, 18.0);
