-- Template of the materials archive (MaterialiQor.dms is a copy of the database built from it).
-- Standard timber strength classes with their characteristic values:
--   softwood C14-C40 and hardwood D18-D70 (EN 338:2016),
--   glued laminated timber GL24h-GL32h, GL24c-GL32c (EN 14080:2013).
-- Strengths and moduli in N/mm2, density in kg/m3. The words "Legno Massiccio" and
-- "Legno Lamellare" in Descrizione name the timber type; Tipologia states it: the row of the
-- partial-factor table (1 solid timber, 2 glued laminated timber, 3 particle or fibre boards,
-- 4 plywood and OSB, 5 cross-laminated timber, CLT) whose gamma_M applies to the material.

CREATE TABLE Legno (
    Numero      INTEGER PRIMARY KEY CHECK (Numero > 0),  -- material number, bars refer to it
    Classe      TEXT,                                    -- strength class code
    Descrizione TEXT,                                    -- description
    Fmk         REAL,                                    -- bending strength, N/mm2
    Ft0k        REAL,                                    -- tension parallel to grain, N/mm2
    Ft90k       REAL,                                    -- tension perpendicular to grain, N/mm2
    Fc0k        REAL,                                    -- compression parallel to grain, N/mm2
    Fc90k       REAL,                                    -- compression perpendicular to grain, N/mm2
    Fvk         REAL,                                    -- shear strength, N/mm2
    E0mean      REAL,                                    -- mean modulus parallel to grain, N/mm2
    E05         REAL,                                    -- 5% modulus parallel to grain, N/mm2
    E90mean     REAL,                                    -- mean modulus perpendicular to grain, N/mm2
    Gmean       REAL,                                    -- mean shear modulus, N/mm2
    rok         REAL,                                    -- characteristic density, kg/m3
    Tipologia   INTEGER CHECK (Tipologia BETWEEN 1 AND 5)  -- timber type: row of the partial-factor table
);


-- EN 338:2016
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (1, 'C14', 'Legno Massiccio di Conifera C14', 14, 7.2, 0.4, 16, 2, 3, 7000, 4700, 230, 440, 290, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (2, 'C16', 'Legno Massiccio di Conifera C16', 16, 8.5, 0.4, 17, 2.2, 3.2, 8000, 5400, 270, 500, 310, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (3, 'C18', 'Legno Massiccio di Conifera C18', 18, 10, 0.4, 18, 2.2, 3.4, 9000, 6000, 300, 560, 320, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (4, 'C20', 'Legno Massiccio di Conifera C20', 20, 11.5, 0.4, 19, 2.3, 3.6, 9500, 6400, 320, 590, 330, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (5, 'C22', 'Legno Massiccio di Conifera C22', 22, 13, 0.4, 20, 2.4, 3.8, 10000, 6700, 330, 630, 340, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (6, 'C24', 'Legno Massiccio di Conifera C24', 24, 14.5, 0.4, 21, 2.5, 4, 11000, 7400, 370, 690, 350, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (7, 'C27', 'Legno Massiccio di Conifera C27', 27, 16.5, 0.4, 22, 2.5, 4, 11500, 7700, 380, 720, 360, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (8, 'C30', 'Legno Massiccio di Conifera C30', 30, 19, 0.4, 24, 2.7, 4, 12000, 8000, 400, 750, 380, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (9, 'C35', 'Legno Massiccio di Conifera C35', 35, 22.5, 0.4, 25, 2.7, 4, 13000, 8700, 430, 810, 390, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (10, 'C40', 'Legno Massiccio di Conifera C40', 40, 26, 0.4, 27, 2.8, 4, 14000, 9400, 470, 880, 400, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (11, 'D18', 'Legno Massiccio di Latifoglia D18', 18, 11, 0.6, 18, 4.8, 3.5, 9500, 8000, 630, 590, 475, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (12, 'D24', 'Legno Massiccio di Latifoglia D24', 24, 14, 0.6, 21, 4.9, 3.7, 10000, 8400, 670, 630, 485, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (13, 'D30', 'Legno Massiccio di Latifoglia D30', 30, 18, 0.6, 24, 5.3, 3.9, 11000, 9200, 730, 690, 530, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (14, 'D35', 'Legno Massiccio di Latifoglia D35', 35, 21, 0.6, 25, 5.4, 4.1, 12000, 10100, 800, 750, 540, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (15, 'D40', 'Legno Massiccio di Latifoglia D40', 40, 24, 0.6, 27, 5.5, 4.2, 13000, 10900, 870, 810, 550, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (16, 'D50', 'Legno Massiccio di Latifoglia D50', 50, 30, 0.6, 30, 6.2, 4.5, 14000, 11800, 930, 880, 620, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (17, 'D60', 'Legno Massiccio di Latifoglia D60', 60, 36, 0.6, 33, 10.5, 4.8, 17000, 14300, 1130, 1060, 700, 1);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (18, 'D70', 'Legno Massiccio di Latifoglia D70', 70, 42, 0.6, 36, 12, 5, 20000, 16800, 1330, 1250, 800, 1);

-- EN 14080:2013
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (19, 'GL24h', 'Legno Lamellare incollato omogeneo GL24h', 24, 19.2, 0.5, 24, 2.5, 3.5, 11500, 9600, 300, 650, 385, 2);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (20, 'GL28h', 'Legno Lamellare incollato omogeneo GL28h', 28, 22.3, 0.5, 28, 2.5, 3.5, 12600, 10500, 300, 650, 425, 2);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (21, 'GL32h', 'Legno Lamellare incollato omogeneo GL32h', 32, 25.6, 0.5, 32, 2.5, 3.5, 14200, 11800, 300, 650, 440, 2);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (22, 'GL24c', 'Legno Lamellare incollato combinato GL24c', 24, 17, 0.5, 21.5, 2.5, 3.5, 11000, 9100, 300, 650, 365, 2);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (23, 'GL28c', 'Legno Lamellare incollato combinato GL28c', 28, 19.5, 0.5, 24, 2.5, 3.5, 12500, 10400, 300, 650, 390, 2);
INSERT INTO Legno (Numero, Classe, Descrizione, Fmk, Ft0k, Ft90k, Fc0k, Fc90k, Fvk, E0mean, E05, E90mean, Gmean, rok, Tipologia) VALUES
    (24, 'GL32c', 'Legno Lamellare incollato combinato GL32c', 32, 19.5, 0.5, 24.5, 2.5, 3.5, 13500, 11200, 300, 650, 400, 2);
