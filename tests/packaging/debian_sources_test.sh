#!/usr/bin/env bash
# The archive a Debian 12 root is made from is the one this machine's apt names, in either form
# of apt's sources, and nothing else: with none for bookworm there is no archive at all.
#   bash debian_sources_test.sh <scripts/debian-root.sh>
set -euo pipefail
source "$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
expect() {  # what, expected, got
  if [ "$2" != "$3" ]; then
    printf '%s:\n  expected: %s\n  got:      %s\n' "$1" "$2" "$3" >&2
    failures=$((failures + 1))
  fi
}

# deb822 stanzas: a disabled one and one for sources only are passed over; of several URIs the
# first is taken; the security archive comes from a stanza of its own.
debian_apt=$dir/deb822
mkdir -p "$debian_apt/sources.list.d"
cat >"$debian_apt/sources.list.d/a.sources" <<'END'
Types: deb
URIs: http://off.invalid/debian
Suites: bookworm
Enabled: no

Types: deb-src
URIs: http://src.invalid/debian
Suites: bookworm
END
cat >"$debian_apt/sources.list.d/b.sources" <<'END'
Types: deb-src deb
# a comment inside the stanza
URIs: http://first.invalid/debian http://second.invalid/debian
Suites: bookworm-updates  bookworm
Components: main

Types: deb
URIs: http://security.invalid/debian-security
Suites: bookworm-security
END
debian_sources 2>/dev/null || true
expect "deb822 sources" "deb http://first.invalid/debian bookworm main
deb http://first.invalid/debian bookworm-updates main
deb http://security.invalid/debian-security bookworm-security main" "$debian_sources"

# One-line sources with options, in sources.list and sources.list.d; no security archive: the
# root goes without, and says so.
debian_apt=$dir/one-line
mkdir -p "$debian_apt/sources.list.d"
printf '%s\n' '# deb http://commented.invalid/debian bookworm main' \
  'deb-src http://src.invalid/debian bookworm main' \
  'deb http://bullseye.invalid/debian bullseye main' >"$debian_apt/sources.list"
printf '%s\n' 'deb [ arch=amd64 signed-by=/k.gpg ] http://opts.invalid/debian bookworm main' \
  >"$debian_apt/sources.list.d/x.list"
debian_sources 2>"$dir/said" || true
said=$(cat "$dir/said")
expect "one-line sources" "deb http://opts.invalid/debian bookworm main
deb http://opts.invalid/debian bookworm-updates main" "$debian_sources"
expect "no security archive" "No bookworm-security entry in this machine's apt sources: the root \
gets no security updates." "$said"

# Nothing for bookworm: no archive is guessed.
debian_apt=$dir/none
mkdir -p "$debian_apt/sources.list.d"
echo 'deb http://bullseye.invalid/debian bullseye main' >"$debian_apt/sources.list"
status=0
debian_sources 2>"$dir/said" || status=$?
said=$(cat "$dir/said")
expect "status with no archive for bookworm" 1 "$status"
expect "archive with no archive for bookworm" "" "$debian_mirror"
[[ $said == *"name no Debian archive for bookworm"* ]] ||
  expect "the message with no archive for bookworm" "...name no Debian archive for bookworm..." \
    "$said"

[ "$failures" -eq 0 ] || exit 1
echo "every form of apt's sources read"
