#!/usr/bin/env python3
"""Writes the order of battle of the invented scenario that tests/roster/ob_import_test.cpp
builds (LibreOfficeFixtures), in both forms, from the format: source.csv as the spreadsheet form
(UTF-8 with a byte-order mark, CR LF, quoted where needed), source.txt as "Write OB" writes it
(Latin-1, names filled to 40 bytes with zero bytes, a line " " after each side), and edited.csv,
source.csv with the cells changed that the test expects back as a plan. convert.sh then saves them
through LibreOffice as a user would."""

HEADER = ["Side", "Class", "Name", "Country", "Unit Type", "Equipment Name", "Land Trans",
          "Naval Trans", "Column", "Row", "Used", "Str", "Ent", "Exp"]

# side, position, class, name, country, unit type, equipment, land, naval, column, row, used,
# str, ent, exp
UNITS = [
    ("Axis", 1, "Core", "Grenadier Rgt 1", "Ge", "Infantry", "Eq0", "Eq8", "", 12, 7, "0", 10, 1, 2),
    ("Axis", 2, "Core", 'Panzer Abt. "Nord"', "Ge", "Tank", "Eq1", "", "", 3, 4, "NO", 8, 0, 3),
    ("Axis", 3, "Core", "3-7", "Ge", "Recon", "Eq2", "", "", 20, 21, "0", 10, 1, 0),
    ("Axis", 4, "Aux", "1E5", "Ge", "Anti-tank", "Eq3", "", "", 5, 6, "0", 10, 2, 1),
    ("Axis", 5, "Aux", "Flak, schwere", "Ge", "Anti-aircraft", "Eq5", "", "Eq19", 9, 9, "0", 7, 1, 4),
    ("Allies", 1, "Core", "R\u00e9giment 4", "Fra", "Artillery", "Eq4", "", "", 30, 31, "0", 10, 1, 2),
    ("Allies", 2, "Aux", "Rifles", "UnK", "Infantry", "Eq0", "", "", 0, 0, "NO", 10, 1, 2),
    ("Aux 1", 1, "Core", "Garde c\u00f4ti\u00e8re", "VFr", "Destroyer", "Eq9", "", "", 40, 2, "0", 10, 1, 5),
]

# Axis 2 placed at 14,15; Axis 3 to auxiliary; Axis 4 to core with experience 5; Allies 1 not
# placed.
EDITS = {
    ("Axis", 2): {9: "14", 10: "15", 11: "0"},
    ("Axis", 3): {2: "Aux"},
    ("Axis", 4): {2: "Core", 14: "5"},
    ("Allies", 1): {11: "NO"},
}


def quoted(field):
    if any(c in field for c in ',;"\r\n') or field[:1] == " " or field[-1:] == " ":
        return '"' + field.replace('"', '""') + '"'
    return field


def spreadsheet(edits):
    lines = [",".join(["Side", "Position"] + HEADER[1:])]
    for unit in UNITS:
        cells = [str(v) for v in unit]
        for column, value in edits.get((unit[0], unit[1]), {}).items():
            cells[column] = value
        lines.append(",".join(quoted(c) for c in cells))
    return ("\ufeff" + "\r\n".join(lines) + "\r\n").encode("utf-8")


def own_form():
    lines = [",".join(HEADER[:7] + [" Naval Trans"] + HEADER[8:])]
    for side in ("Axis", "Allies", "Aux 1"):
        for unit in UNITS:
            if unit[0] == side:
                cells = [str(v) for v in unit[:1] + unit[2:]]
                cells[2] = cells[2] + "\0" * (40 - len(cells[2]))
                lines.append(",".join(cells))
        lines.append(" ")
    return ("\r\n".join(lines) + "\r\n").encode("latin-1")


with open("source.csv", "wb") as f:
    f.write(spreadsheet({}))
with open("edited.csv", "wb") as f:
    f.write(spreadsheet(EDITS))
with open("source.txt", "wb") as f:
    f.write(own_form())
