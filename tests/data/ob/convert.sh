#!/bin/sh
# Makes the fixtures lo-*.csv of tests/roster/ob_import_test.cpp: the orders of battle that
# make_sources.py writes, opened and saved again by LibreOffice Calc as a user would (Debian's
# libreoffice-calc-nogui, 4:7.4; about 250 MiB, so it is no part of the test command). Run it
# here, after make_sources.py; soffice writes LF line ends on Linux.
#
# Import filter options: separator, quote, character set (76 UTF-8, 12 ISO-8859-1), first line;
# the seventh and eighth: quoted fields as text, detect special numbers. Export options:
# separator (59 ";", 44 ","), quote, character set (1 Windows-1252), first line.
set -e
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cp source.txt "$out/own.csv"  # "Write OB" names its file .txt; LibreOffice reads .csv as text
save() {  # input, import options, export options, fixture
  soffice --headless --infilter="CSV:$2" \
    --convert-to "csv:Text - txt - csv (StarCalc):$3" --outdir "$out/saved" "$1"
  mv "$out/saved/$(basename "$1")" "$4"
}
save source.csv 44,34,76,1 59,34,76,1 lo-semicolon.csv
save source.csv 44,34,76,1,,0,false,true 44,34,1,1 lo-comma-1252.csv
save edited.csv 44,34,76,1 59,34,76,1 lo-edited-semicolon.csv
save "$out/own.csv" 44,34,12,1 59,34,12,1 lo-own-semicolon.csv
