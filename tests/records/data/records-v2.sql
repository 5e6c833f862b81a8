-- A records database as the second version wrote it (picture counts, no moves yet): two matches,
-- one finished with three of its games, one abandoned after one game. records-v2.sqlite is made
-- from this file with: sqlite3 records-v2.sqlite < records-v2.sql
PRAGMA journal_mode = DELETE;
CREATE TABLE matches (
  id INTEGER PRIMARY KEY,
  started TEXT NOT NULL,
  ended TEXT NOT NULL,
  finished INTEGER NOT NULL,
  character_0 INTEGER NOT NULL, character_1 INTEGER NOT NULL, character_2 INTEGER NOT NULL,
  character_3 INTEGER NOT NULL, character_4 INTEGER NOT NULL,
  seat_0 INTEGER NOT NULL, seat_1 INTEGER NOT NULL, seat_2 INTEGER NOT NULL,
  seat_3 INTEGER NOT NULL, seat_4 INTEGER NOT NULL,
  points_0 INTEGER NOT NULL, points_1 INTEGER NOT NULL, points_2 INTEGER NOT NULL,
  points_3 INTEGER NOT NULL, points_4 INTEGER NOT NULL,
  rank INTEGER NOT NULL,
  stones_credited INTEGER NOT NULL,
  stones_account INTEGER
);
CREATE TABLE games (
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  game INTEGER NOT NULL,
  trump INTEGER NOT NULL,
  battles INTEGER NOT NULL,
  joker_seat INTEGER NOT NULL,
  ace_seat INTEGER NOT NULL,
  joker_player INTEGER NOT NULL,
  ace_player INTEGER NOT NULL,
  winner TEXT NOT NULL CHECK (winner IN ('related', 'unrelated')),
  sweeps INTEGER NOT NULL,
  reverse_sweeps INTEGER NOT NULL,
  sixteen_declared INTEGER NOT NULL,
  sixteen_made INTEGER NOT NULL,
  reverse_declared INTEGER NOT NULL,
  reverse_made INTEGER NOT NULL,
  points_0 INTEGER NOT NULL, points_1 INTEGER NOT NULL, points_2 INTEGER NOT NULL,
  points_3 INTEGER NOT NULL, points_4 INTEGER NOT NULL,
  pictures_0 INTEGER, pictures_1 INTEGER, pictures_2 INTEGER, pictures_3 INTEGER, pictures_4 INTEGER,
  PRIMARY KEY (match_id, game)
);
INSERT INTO matches VALUES (1, '2026-11-02 20:15:03', '2026-11-02 20:41:50', 1,
  5, 8, 6, 2, 3,  0, 1, 2, 3, 4,  -10, 14, 6, -20, 10,  2, 10, 110);
INSERT INTO games VALUES (1, 1, 0, 1, 4, 1, 4, 1, 'related', 0, 0, 0, 0, 0, 0, -8, 12, -8, -8, 12, 3, 5, 2, 1, 5);
INSERT INTO games VALUES (1, 2, 1, 2, 0, 2, 0, 2, 'unrelated', 0, 1, 0, 0, 0, 0, -3, 2, -3, 2, 2, 1, 2, 4, 6, 3);
INSERT INTO games VALUES (1, 3, 2, 1, 1, 3, 1, 3, 'related', 1, 0, 1, 1, 0, 0, 1, -2, 17, -14, -2, 6, 1, 5, 0, 4);
INSERT INTO matches VALUES (2, '2026-11-03 21:00:00', '2026-11-03 21:05:12', 0,
  5, 8, 6, 2, 7,  0, 1, 2, 3, 4,  12, -8, -8, 12, -8,  3, 0, NULL);
INSERT INTO games VALUES (2, 1, 0, 3, 0, 3, 0, 3, 'related', 0, 0, 0, 0, 0, 0, 12, -8, -8, 12, -8, 2, 6, 1, 5, 2);
PRAGMA user_version = 2;
