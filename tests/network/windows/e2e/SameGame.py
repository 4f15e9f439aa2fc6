"""Whether the files the players' programs wrote tell the same network game.

    SameGame.py FOLDER_A NAME_A FOLDER_B NAME_B
    SameGame.py FOLDER_A NAME_A FOLDER_B NAME_B FOLDER_C NAME_C

Score files users/<name>_2.ran: record 1 is the owner's totals, record 2 the opponent as seen by
the owner, so A's record of B must mirror B's record of A (same games, the wins of one are the
losses of the other, opposite margins) and each owner's totals must be the other's record of him.
Avatar files users/<name>.avt (after "Save Opponent" on both sides with the same picture): one
record each, naming the other player, equal byte for byte past the name.
Three players, users/<name>_3.ran: record 1 the owner's totals, then one line-up of three records,
the owner first, each counted from its own player's point of view: so every player's record is
the same, byte for byte past the name, in all three files.
"""

import struct
import sys
from pathlib import Path

SCORE = 28
AVATAR = 154


def read(path):
    if not path.is_file():
        sys.exit(f"missing: {path}")
    return path.read_bytes()


def score_records(path):
    data = read(path)
    if len(data) % SCORE:
        sys.exit(f"{path}: {len(data)} bytes is no whole number of score records")
    return [
        (data[i : i + 20].decode("latin-1").rstrip(" "),) + struct.unpack("<4h", data[i + 20 : i + SCORE])
        for i in range(0, len(data), SCORE)
    ]


def check(condition, text):
    if not condition:
        sys.exit("different: " + text)


def mirrored(mine, theirs):
    _, games, wins, margin, _ = mine
    _, their_games, their_wins, their_margin, _ = theirs
    return games == their_games and wins == their_games - their_wins and margin == -their_margin


def two_players(folder_a, name_a, folder_b, name_b):
    a = score_records(Path(folder_a) / "users" / f"{name_a}_2.ran")
    b = score_records(Path(folder_b) / "users" / f"{name_b}_2.ran")
    print(f"{name_a}_2.ran: {a}\n{name_b}_2.ran: {b}")
    check(len(a) == 2 and len(b) == 2, "each file should hold its owner and one opponent")
    check(a[0][0] == name_a and b[0][0] == name_b, "record 1 should name the owner")
    check(a[1][0] == name_b and b[1][0] == name_a, "record 2 should name the other player")
    check(a[0][4] == 2 and b[0][4] == 2, "record 1 should say that record 2 is the last")
    check(a[0][1] >= 1, "no game was counted")
    check(mirrored(a[1], b[1]), f"{name_a}'s record of {name_b} does not mirror {name_b}'s record of {name_a}")
    check(mirrored(a[0], b[1]) and mirrored(b[0], a[1]), "an owner's totals do not mirror the other's record")
    check(a[1][3] != 0, "a finished game has a margin")

    avt_a = read(Path(folder_a) / "users" / f"{name_a}.avt")
    avt_b = read(Path(folder_b) / "users" / f"{name_b}.avt")
    print(f"{name_a}.avt: {avt_a[:50]!r}\n{name_b}.avt: {avt_b[:50]!r}")
    check(len(avt_a) == AVATAR and len(avt_b) == AVATAR, "each avatar file should hold one record")
    check(avt_a[:20] == name_b.ljust(20).encode() and avt_b[:20] == name_a.ljust(20).encode(),
          "each avatar record should name the other player")
    check(avt_a[20:] == avt_b[20:], "the avatar records differ past the name")
    picture = avt_a[20:50].decode("latin-1").rstrip(" ")
    check((Path(folder_a) / "Avatars" / picture).is_file(), f"the avatar {picture!r} is no picture of the folder")
    check(avt_a[50:] == bytes(104), "the unused fields of a new avatar record should be zero")


def three_players(*sides):
    names = {name for _, name in sides}
    seen = {}
    for folder, owner in sides:
        path = Path(folder) / "users" / f"{owner}_3.ran"
        records = score_records(path)
        print(f"{path.name}: {records}")
        check(len(records) == 4, f"{path.name} should hold its owner's totals and one line-up of three")
        check(records[0][0] == owner and records[1][0] == owner, f"{path.name} should begin with its owner twice")
        check(records[0][1:4] == records[1][1:4], f"{path.name}: the owner's totals differ from his line-up record")
        check(records[0][4] == 2, f"{path.name}: record 1 should name record 2 as the last line-up")
        check({r[0] for r in records[1:]} == names, f"{path.name}: the line-up is not the table")
        for record in records[1:]:
            seen.setdefault(record[0], set()).add(record[1:])
    for name, versions in seen.items():
        check(len(versions) == 1, f"the files count {name}'s game differently: {versions}")
    results = [next(iter(v)) for v in seen.values()]
    check(sum(r[1] for r in results) == 1 and all(r[0] == 1 for r in results), "one game with one winner")
    check(all(abs(r[2]) == abs(results[0][2]) != 0 for r in results), "the margins differ")


if __name__ == "__main__":
    if len(sys.argv) == 5:
        two_players(*sys.argv[1:])
    elif len(sys.argv) == 7:
        three_players(*zip(sys.argv[1::2], sys.argv[2::2]))
    else:
        sys.exit(__doc__)
