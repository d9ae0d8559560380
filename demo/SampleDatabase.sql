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
  (1010, 'Panel meter, 0-30 mA', 42, 10, 18.40, 34.95),
  (1020, 'Panel meter, +-12 V', 35, 0, 21.75, 39.90),
  (1030, 'VU meter pair, backlit', 18, 24, 46.20, 89.00),
  (1040, 'Tachometer head, 80 mm', 12, 30, 88.50, 169.00),
  (1050, 'Pyrometer, 0-800 C', 7, 15, 142.00, 265.00),
  (1060, 'Pressure gauge, 0-400 kPa', 26, 0, 38.90, 72.50),
  (1070, 'Speedometer movement', 9, 40, 96.30, 182.00),
  (1080, 'Bezel and glass set, 63 mm', 64, 0, 12.80, 24.95),
  (1090, 'Bezel and glass set, 100 mm', 31, 20, 19.60, 37.50),
  (1100, 'Dial face blank, satin', 110, 0, 8.75, 16.50),
  (1110, 'Needle set, lance, 6 pcs', 85, 50, 14.20, 27.90),
  (1120, 'Rotary encoder, 24 detents', 140, 100, 9.60, 18.75),
  (1130, 'Knob, knurled aluminium 40 mm', 76, 0, 15.30, 29.90),
  (1140, 'Knob, skirted, with scale', 58, 60, 11.90, 22.50),
  (1150, 'Potentiometer, 10 turn', 44, 0, 27.40, 52.00),
  (1160, 'Segment display, 8 digits', 23, 45, 32.80, 63.50),
  (1170, 'LCD module, 16 x 2, amber', 37, 0, 24.10, 46.90),
  (1180, 'Dot matrix module, 5x7 green', 19, 35, 41.60, 79.00),
  (1190, 'Drum counter, 6 figures', 11, 12, 118.00, 229.00),
  (1200, 'Odometer drum assembly', 6, 20, 154.50, 298.00),
  (1210, 'Stepper motor, gauge drive', 150, 0, 7.90, 15.25),
  (1220, 'Servo gauge driver board', 28, 25, 63.70, 124.00),
  (1230, 'Instrument cluster housing', 5, 8, 212.00, 415.00),
  (1240, 'Rack panel, 19 in, 2 U', 40, 0, 34.50, 64.90),
  (1250, 'Slider fader, 100 mm', 96, 80, 13.40, 25.80),
  (1260, 'Illuminated push button', 182, 0, 6.85, 13.40),
  (1270, 'Cable harness, 12 way', 67, 30, 22.30, 41.50),
  (1280, 'Calibration weight set', 3, 6, 386.00, 745.00),
  (1290, 'Signal conditioner, 4-20 mA', 21, 0, 176.00, 339.00),
  (1300, 'Data logger, 8 channel', 4, 10, 298.00, 579.00);

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
