#!/usr/bin/env bash
# The package test: builds the Debian package (scripts/package.sh) and has lintian check it;
# builds it a second time from a copy of the same sources in another folder and checks that both
# packages hold the same files with the same bytes; installs it with apt into a minimal Debian 12
# root made by debootstrap, so that apt fetches its dependencies from Debian's archive, runs the
# installed programs and the desktop validators there, then removes the package and checks that
# nothing of it is left.
#
# The root, as debootstrap and the validators leave it, is kept in build-package/debian12 and
# unpacked afresh for every run; the packages apt fetched are kept there too, and the logs. It
# is made from the Debian archive this machine's apt uses; with none, the test stops and says so.
# Remove that folder to start from nothing. The test needs root (debootstrap, chroot); run by
# another user it says so and exits with 77, the status the test command counts as a skip.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
readonly skipped=77

if [ "$(id -u)" -ne 0 ]; then
  echo "package test: SKIPPED, it needs root to make a Debian root and chroot into it"
  exit "$skipped"
fi

say() { echo "package test: $*"; }
started=$SECONDS
took() { echo "$((SECONDS - started))s"; }
fail() {
  echo "package test: FAILED: $*" >&2
  exit 1
}

source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${PACKAGE_PACKAGES[@]}" "${PACKAGE_TEST_PACKAGES[@]}"
source "$top/scripts/debian-root.sh"
debian_sources || fail "no Debian archive to make the root from"
sources=$debian_sources
mirror=$debian_mirror

deb=$("$top/scripts/package.sh" | tail -1)
version=$(dpkg-deb --field "$deb" Version)
version=${version%-*}  # without the package's own revision
say "built $(basename "$deb") at $(took)"

# The second build, from a copy of the same sources in another folder (no build folder of this
# one goes along), made while the package is checked and installed; compared at the end.
again="$top/build-package/again"
rm -rf "$again"
mkdir -p "$again/zarkel"
tar -C "$top" --exclude='./build*' --exclude=./.git --exclude=./fuzz-out -cf - . |
  tar -C "$again/zarkel" -xf -
setsid "$again/zarkel/scripts/package.sh" >"$again/package.log" 2>&1 &
again_pid=$!
# Ends the second build (all of its processes) when the test ends before it is compared.
stop_again() {
  [ -z "$again_pid" ] || kill -- -"$again_pid" 2>/dev/null || true
}
trap stop_again EXIT

# lintian, Debian's own checker, may find nothing but the one tag below; overrides in
# packaging/lintian-overrides silence others, each with its reason on the line above it.
#   no-copyright-file: the owner of the project has not chosen a licence yet, and the
#   copyright file would have to state one.
allowed_tags=(no-copyright-file)
lintian_log="$top/build-package/lintian.log"
lintian --fail-on none --show-overrides "$deb" >"$lintian_log" 2>&1 || {
  cat "$lintian_log"
  fail "lintian did not finish"
}
cat "$lintian_log"
found=$(awk '$1 ~ /^[EW]:$/ { print $3 }' "$lintian_log" | sort -u |
  grep -vxF "$(printf '%s\n' "${allowed_tags[@]}")" || true)
[ -z "$found" ] || fail "lintian found: ${found//$'\n'/ }"
overrides=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/lintian/overrides/zarkel) ||
  fail "the package holds no lintian overrides"
unexplained=$(awk '/^#/ { reason = 1; next } NF && !reason { print } { reason = 0 }' \
  <<<"$overrides")
[ -z "$unexplained" ] || fail "lintian overrides without a reason on the line above: $unexplained"
say "ok: lintian found nothing but ${allowed_tags[*]}"

cache="$top/build-package/debian12"
tarball="$cache/root.tar"
mkdir -p "$cache/debs" "$cache/archives"

# Runs a command inside the root with a clean environment.
inside() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# The root of a run is thrown away at its end. It lives in memory where there is room in a
# tmpfs that lets programs run and devices open, since a root on disk takes long to delete;
# else beside the cache.
scratch_parent=$cache
if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ] &&
  ! findmnt -n -o OPTIONS --target /dev/shm | tail -1 | grep -qE '(^|,)(noexec|nodev)(,|$)' &&
  [ "$(df -Pk /dev/shm | awk 'NR == 2 { print $4 }')" -gt $((2 * 1024 * 1024)) ]; then
  scratch_parent=/dev/shm
fi
root=$(mktemp -d "$scratch_parent/zarkel-debian12.XXXXXX")
chmod 755 "$root"
# Keeps what apt fetched for the next run and removes the root; refuses while anything is
# mounted below it.
finish() {
  cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true
  if findmnt -rn -o TARGET | grep -q "^$root\(/\|$\)"; then
    echo "package test: something is still mounted below $root; it is left" >&2
    return
  fi
  rm -rf --one-file-system "$root"
}
trap 'finish; stop_again' EXIT

# The root is made once: debootstrap's minimal Debian 12 with the validators, under the same
# archive as this machine. A root made under another archive is made again.
if [ ! -f "$tarball" ] || [ "$(cat "$cache/sources" 2>/dev/null)" != "$sources" ]; then
  say "making a Debian 12 root with debootstrap from $mirror (once; kept in $cache)"
  debian_bootstrap "$root" "$cache/debootstrap.log" --cache-dir="$cache/debs" ||
    fail "debootstrap did not finish; see $cache/debootstrap.log"
  inside apt-get update -qq
  inside apt-get install -y -qq --no-install-recommends desktop-file-utils appstream \
    >"$cache/validators.log" 2>&1 || fail "no validators; see $cache/validators.log"
  inside apt-get clean
  tar --numeric-owner -cf "$tarball.new" -C "$root" .
  mv "$tarball.new" "$tarball"
  echo "$sources" >"$cache/sources"
else
  say "unpacking the Debian 12 root kept in $cache"
  tar --numeric-owner -xf "$tarball" -C "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
fi
say "root ready in $root at $(took)"

# Install with apt, which fetches the dependencies; what it fetched is kept for the next run.
cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/"
inside apt-get update -qq
inside apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" \
  >"$cache/install.log" 2>&1 || fail "apt could not install the package; see $cache/install.log"
rm "$root/tmp/$(basename "$deb")"
say "installed with $(grep -c '^Setting up' "$cache/install.log") packages set up at $(took)"

# The package's own files, as dpkg lists them.
mapfile -t files < <(inside dpkg-query -L zarkel)
installed() {  # pattern: the first file of the package that matches it, if any
  printf '%s\n' "${files[@]}" | grep -x "$1" | head -1 || true
}
desktop=$(installed '/usr/share/applications/.*\.desktop')
metainfo=$(installed '/usr/share/metainfo/.*\.metainfo\.xml')
[ -n "$desktop" ] || fail "the package holds no desktop entry"
[ -n "$metainfo" ] || fail "the package holds no AppStream metainfo"
for path in /usr/bin/zarkel /usr/bin/zarkel-cli /usr/share/man/man1/zarkel.1.gz \
  /usr/share/man/man1/zarkel-cli.1.gz /usr/share/icons/hicolor/scalable/apps/zarkel.svg \
  /usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/zarkel.png \
  /usr/share/doc/zarkel/README.md /usr/share/doc/zarkel/docs/{architecture,cli,window}.md \
  /usr/share/doc/zarkel/examples/{kardel,vessin}.scn; do
  [ -n "$(installed "$path")" ] || fail "the package holds no $path"
done

expect_output() {  # expected, command...
  local expected=$1 output
  shift
  output=$(inside "$@") || fail "'$*' failed"
  [ "$output" = "$expected" ] || fail "'$*' printed '$output', not '$expected'"
  say "ok: $*"
}
expect_output "zarkel-cli $version" zarkel-cli --version
mkdir -m 700 "$root/tmp/runtime"
expect_output "zarkel $version" env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime \
  timeout 60 zarkel --version

docs=/usr/share/doc/zarkel/examples
common=(--equipment "$docs/equipment.eqp" --names "$docs/equipment.txt")
for scenario in kardel:homemade vessin:original; do
  name=${scenario%:*}
  layout=${scenario#*:}
  inside zarkel-cli info --layout "$layout" "$docs/$name.scn" "${common[@]}" >/dev/null ||
    fail "zarkel-cli info on the installed $name.scn failed"
  say "ok: zarkel-cli info --layout $layout $docs/$name.scn"
done

inside desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
say "ok: desktop-file-validate $desktop"
inside appstreamcli validate --no-net "$metainfo" >"$cache/appstream.log" 2>&1 || {
  cat "$cache/appstream.log"
  fail "appstreamcli refused $metainfo"
}
say "ok: appstreamcli validate --no-net $metainfo"

# Remove it: no file or folder of the package may be left, nor anything named after it, save
# folders that other packages own too.
inside apt-get purge -y -qq zarkel >"$cache/purge.log" 2>&1 || fail "apt could not remove zarkel"
if inside dpkg-query -W -f '${db:Status-Abbrev}' zarkel 2>/dev/null | grep -q '^.[^n]'; then
  fail "dpkg still knows zarkel after the purge"
fi
left=()
for path in "${files[@]}"; do
  [ "$path" = /. ] && continue
  if [ -e "$root$path" ] || [ -L "$root$path" ]; then
    [ -d "$root$path" ] && [ ! -L "$root$path" ] || fail "$path is left after the purge"
    left+=("$path")
  fi
done
if [ ${#left[@]} -gt 0 ]; then
  unowned=$({ inside dpkg-query -S "${left[@]}" 2>&1 >/dev/null || true; } |
    sed -n 's/^dpkg-query: no path found matching pattern //p')
  [ -z "$unowned" ] || fail "left after the package was removed, owned by no package: $unowned"
fi
left=$(cd "$root" && find . -xdev -iname '*zarkel*' -print)
[ -z "$left" ] || fail "left after the package was removed: $left"
say "ok: removed, nothing of it left"

# The second build gives the same package: the same list of files with the same owners, modes,
# sizes and times, and the same bytes in every file and in the control files.
say "waiting for the second build, from $again/zarkel"
wait "$again_pid" || {
  tail -20 "$again/package.log"
  again_pid=
  fail "the second build failed; see $again/package.log"
}
again_pid=
again_deb=$(tail -1 "$again/package.log")
compared="$top/build-package/compared"
rm -rf "$compared"
mkdir -p "$compared"
for which in first second; do
  package=$deb
  [ "$which" = second ] && package=$again_deb
  dpkg-deb --contents "$package" >"$compared/$which.contents"
  dpkg-deb --raw-extract "$package" "$compared/$which"
done
diff "$compared/first.contents" "$compared/second.contents" ||
  fail "the two builds list different files (above)"
diff -r --no-dereference "$compared/first" "$compared/second" ||
  fail "the two builds hold different bytes (above; the trees are in $compared)"
if cmp -s "$deb" "$again_deb"; then
  say "ok: built twice, the same package to the byte"
else
  say "ok: built twice, the same files with the same bytes"
fi
rm -rf "$again" "$compared"

say "passed in $(took)"
