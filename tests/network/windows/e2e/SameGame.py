"""Whether the files two players' programs wrote tell the same network game.

    SameGame.py FOLDER_A NAME_A FOLDER_B NAME_B

Score files users/<name>_2.ran: record 1 is the owner's totals, record 2 the opponent as seen by
the owner, so A's record of B must mirror B's record of A (same games, the wins of one are the
losses of the other, opposite margins) and each owner's totals must be the other's record of him.
Avatar files users/<name>.avt (after "Save Opponent" on both sides with the same picture): one
record each, naming the other player, equal byte for byte past the name.
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


def main(folder_a, name_a, folder_b, name_b):
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


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
