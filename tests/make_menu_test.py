#!/usr/bin/env python3
"""scripts/make-menu refuses each selection row that breaks a rule of the sample list, saying why."""
import importlib.machinery
import importlib.util
import pathlib
import sys

SCRIPT = pathlib.Path(__file__).resolve().parent.parent / "scripts/make-menu"
loader = importlib.machinery.SourceFileLoader("make_menu", str(SCRIPT))
make_menu = importlib.util.module_from_spec(importlib.util.spec_from_loader("make_menu", loader))
loader.exec_module(make_menu)

# A row read after line 2, 01088 ごはん ごはん → its refusals, " / " between two.
ROWS = [
    ("01083\t精白米\tせいはくまい", ""),
    ("01083\t精白米", "a row has three fields: food number, name, reading"),
    ("99999\t米\tこめ", "no food 99999 in the table"),
    ("16039\t番茶\tばんちゃ", "food 16039 has 0 kcal: no unit weight can be computed"),
    ("01083\t 米\tこめ", "the name is empty or begins or ends with a space"),
    ("01083\t米,白\tこめ", "the name holds a comma, which ends the field in menu.txt"),
    ("01083\tごはん\tこめ",
     "the name is already used on line 2: the tally merges lines by name"),
    ("01083\t米♥\tこめ", "the name does not encode in code page 932"),
    ("01083\t米（精白米・うるち米・炊く前）\tこめ",
     "the name takes 30 bytes, more than the 28 of the print field"),
    ("01083\t米\tごはん", "the reading is already used on line 2: it is the food's sort key"),
    ("16045\tコーヒー\tこーひー",
     "the reading holds ー, which sorts after ん: write the vowel it sounds (こおひい)"),
    ("16045\tコーヒー\tコオヒイ",
     "the reading must be hiragana from ぁ to ん (with the small kana) and nothing else"),
    ("06116\tヴィシソワーズ\tゔぃしそわあず",
     "the reading must be hiragana from ぁ to ん (with the small kana) and nothing else"),
    ("04001\tあずき（乾）\tあずきかん",
     "乾 is read かん, as 缶 is: read it かんそう, or leave it out where the name says 干し"),
]

kcal_of = make_menu.read_table()
failed = 0
for row, expected in ROWS:
    seen = {"name": {"ごはん": 2}, "reading": {"ごはん": 2}}
    got = " / ".join(make_menu.row_faults(row.split("\t"), kcal_of, seen))
    if got != expected:
        failed += 1
        print(f"{row!r}:\n  refused with {got!r}\n  expected     {expected!r}")
sys.exit(1 if failed else 0)
