#!/usr/bin/env bash
# The release test, on a clone of the commit checked out (so that a tree with changes still
# runs it; the release is of what is committed):
#   - scripts/release.sh refuses the clone with a changed and an untracked file, and names both;
#   - it makes the seven files, taking the programs the test command has built in this tree
#     from the same commit (ZARKEL_RELEASE_BUILDS; any missing is built first), so that nothing
#     is compiled twice;
#   - `scripts/release.sh --repack` packs them again, and every file has the same bytes;
#   - SHA256SUMS checks with sha256sum -c; the zips and the package hold what they should, and
#     the package's changelog and RELEASE-NOTES.md tell the same changes.
# Work folder: build-release/test.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" git zip unzip "${PACKAGE_PACKAGES[@]}"

say() { echo "release test: $*"; }
fail() {
  echo "release test: FAILED: $*" >&2
  exit 1
}
started=$SECONDS
version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")

# The programs, as the test command built them here; built now where it did not.
[ -f "$top/build-web/zarkel-$version.html" ] || "$top/scripts/web.sh" --build
[ -f "$top/build-package/zarkel_$version-1_amd64.deb" ] || "$top/scripts/package.sh" >/dev/null
[ -f "$top/build-windows/zarkel-cli.exe" ] || "$top/scripts/windows.sh" --build

work="$top/build-release/test"
clone="$work/zarkel"
rm -rf "$work"
mkdir -p "$clone"
git -C "$clone" init -q
git -C "$clone" fetch -q --depth 1 "$top" HEAD
git -C "$clone" checkout -q --detach FETCH_HEAD

# A tree with changes is refused, and the changes named.
echo "changed" >>"$clone/README.md"
echo "new" >"$clone/stray.txt"
status=0
"$clone/scripts/release.sh" >"$work/refused.log" 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "a tree with changes was not refused (status $status)"
grep -q "README.md" "$work/refused.log" && grep -q "stray.txt" "$work/refused.log" ||
  fail "the refusal does not name the changed files: $(cat "$work/refused.log")"
[ ! -e "$clone/dist" ] || fail "a refused run made dist/"
git -C "$clone" checkout -q README.md
rm "$clone/stray.txt"
say "ok: a tree with changes refused, the files named"

ZARKEL_RELEASE_BUILDS="$top" "$clone/scripts/release.sh" >"$work/first.log" 2>&1 ||
  fail "the first run failed: $(cat "$work/first.log")"
mv "$clone/dist" "$work/first"
"$clone/scripts/release.sh" --repack >"$work/second.log" 2>&1 ||
  fail "the second run failed: $(cat "$work/second.log")"
dist="$clone/dist"

expected=$(printf '%s\n' "RELEASE-NOTES.md" "SHA256SUMS" "zarkel-$version-site.zip" \
  "zarkel-$version.html" "zarkel-$version.tar.gz" "zarkel-cli-$version-windows-x86_64.zip" \
  "zarkel_$version-1_amd64.deb" | LC_ALL=C sort)
for run in "$work/first" "$dist"; do
  made=$(ls "$run" | LC_ALL=C sort)
  [ "$made" = "$expected" ] || fail "$run holds: ${made//$'\n'/ }"
done
for name in $expected; do
  cmp "$work/first/$name" "$dist/$name" || fail "$name differs between two runs"
done
say "ok: two runs made the same bytes in all seven files"

(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
[ "$(wc -l <"$dist/SHA256SUMS")" -eq 6 ] || fail "SHA256SUMS does not list the six other files"

# What each holds.
look="$work/look"
mkdir -p "$look"
cmp "$dist/zarkel-$version.html" "$top/build-web/zarkel-$version.html" ||
  fail "the single file is not the one the build made"
unzip -q "$dist/zarkel-$version-site.zip" -d "$look"
diff -r "$top/build-web/site" "$look/zarkel-$version-site" || fail "the site zip is not the site"
unzip -q "$dist/zarkel-cli-$version-windows-x86_64.zip" -d "$look"
windows="$look/zarkel-cli-$version-windows-x86_64"
cmp "$windows/zarkel-cli.exe" "$top/build-windows/zarkel-cli.exe" || fail "zarkel-cli.exe differs"
diff -r "$clone/examples" "$windows/examples" || fail "the Windows zip's demo set differs"
cmp "$clone/README.md" "$windows/README.md" || fail "the Windows zip's README differs"
for doc in "$clone"/docs/*.md; do
  cmp "$doc" "$windows/docs/$(basename "$doc")" || fail "the Windows zip's $(basename "$doc") differs"
done
pe_time=$(x86_64-w64-mingw32-objdump -p "$windows/zarkel-cli.exe" | grep "^Time/Date")
[[ $pe_time == *1970 ]] || fail "zarkel-cli.exe carries its link time: $pe_time"
mkdir -p "$look/sources"
tar -xzf "$dist/zarkel-$version.tar.gz" -C "$look/sources"
diff -r --exclude=.git --exclude=dist --exclude="build-*" "$clone" "$look/sources/zarkel-$version" ||
  fail "the sources are not the commit's"
deb="$dist/zarkel_$version-1_amd64.deb"
[ "$(dpkg-deb --field "$deb" Version)" = "$version-1" ] || fail "the package is not of $version"
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/zarkel/changelog.Debian.gz |
  gunzip)
# Each item of the notes, its lines joined, is the changelog's item.
joined_items() {
  awk '/^ *[-*] / { if (item) print item; sub(/^ *[-*] /, ""); item = $0; next }
       NF { sub(/^ +/, ""); item = item " " $0 }
       END { if (item) print item }'
}
notes=$(sed -n '/^## What changed/,/^## Which/p' "$dist/RELEASE-NOTES.md" | grep -v '^##' |
  joined_items)
logged=$(sed -n '/^  \* /,/^ -- /p' <<<"$changelog" | grep -v '^ -- ' | joined_items)
[ -n "$notes" ] && [ "$notes" = "$logged" ] ||
  fail "RELEASE-NOTES.md and the package's changelog tell different changes:
$notes
---
$logged"
say "ok: SHA256SUMS checks; the site, the Windows zip, the sources and the package hold what" \
  "they should; the notes are the changelog's ($((SECONDS - started)) s)"
