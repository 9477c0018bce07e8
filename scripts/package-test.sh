#!/usr/bin/env bash
# The package test: builds the Debian package (scripts/package.sh), installs it with apt into a
# minimal Debian 12 root made by debootstrap, so that apt fetches its dependencies from Debian's
# archive, runs the installed programs and the desktop validators there, then removes the
# package and checks that nothing of it is left.
#
# The root, as debootstrap and the validators leave it, is kept in build-package/debian12 and
# unpacked afresh for every run; the packages apt fetched are kept there too, and the logs.
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
"$top/scripts/ensure-packages.sh" "${PACKAGE_PACKAGES[@]}"
deb=$("$top/scripts/package.sh" | tail -1)
version=$(dpkg-deb --field "$deb" Version)
version=${version%-*}  # without the package's own revision
say "built $(basename "$deb") at $(took)"

cache="$top/build-package/debian12"
tarball="$cache/root.tar"
mkdir -p "$cache/debs" "$cache/archives"

# The Debian archive this machine's apt uses, for the suite given (its first URI).
mirror_of() {  # suite
  local suite=$1 sources=()
  shopt -s nullglob
  sources=(/etc/apt/sources.list.d/*.sources)
  [ ${#sources[@]} -eq 0 ] || awk -v suite="$suite" '
    BEGIN { RS = ""; FS = "\n" }
    {
      types = ""; uris = ""; suites = ""; enabled = "yes"
      for (i = 1; i <= NF; i++) {
        line = $i
        if (line ~ /^Types:/) types = " " substr(line, 7) " "
        else if (line ~ /^URIs:/) uris = substr(line, 6)
        else if (line ~ /^Suites:/) suites = " " substr(line, 8) " "
        else if (line ~ /^Enabled:/) enabled = substr(line, 9)
      }
      gsub(/[ \t]+/, " ", types); gsub(/[ \t]+/, " ", suites); gsub(/[ \t]/, "", enabled)
      if (types ~ / deb / && suites ~ (" " suite " ") && enabled != "no") {
        split(uris, list, " "); print list[1]; exit
      }
    }' "${sources[@]}"
  sources=(/etc/apt/sources.list.d/*.list)
  [ -f /etc/apt/sources.list ] && sources=(/etc/apt/sources.list "${sources[@]}")
  [ ${#sources[@]} -eq 0 ] || cat "${sources[@]}" | awk -v suite="$suite" '
    $1 == "deb" {
      i = 2
      if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
      if ($(i + 1) == suite) { print $i; exit }
    }'
  shopt -u nullglob
}
mirror=$(mirror_of bookworm | head -1)
security=$(mirror_of bookworm-security | head -1)
if [ -z "$mirror" ]; then
  mirror=http://deb.debian.org/debian
  say "no bookworm entry in this machine's apt sources; using $mirror"
fi
[ -n "$security" ] || security=${mirror%/debian}/debian-security
sources="deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main"

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
trap finish EXIT

# The root is made once: debootstrap's minimal Debian 12 with the validators, under the same
# archive as this machine. A root made under another archive is made again.
if [ ! -f "$tarball" ] || [ "$(cat "$cache/sources" 2>/dev/null)" != "$sources" ]; then
  say "making a Debian 12 root with debootstrap from $mirror (once; kept in $cache)"
  include=()
  [[ $mirror == https:* ]] && include=(--include=ca-certificates)
  # dpkg need not flush every file of a root that is thrown away on failure.
  DPKG_FORCE=unsafe-io,security-mac debootstrap --variant=minbase "${include[@]}" \
    --cache-dir="$cache/debs" bookworm "$root" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    fail "debootstrap did not finish; see $cache/debootstrap.log"
  echo "$sources" >"$root/etc/apt/sources.list"
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
  echo 'Dpkg::Use-Pty "false";' >"$root/etc/apt/apt.conf.d/90no-pty"  # no /dev/pts in a chroot
  cp /etc/resolv.conf "$root/etc/resolv.conf"
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
  /usr/share/doc/zarkel/README.md /usr/share/doc/zarkel/examples/{kardel,vessin}.scn; do
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

say "passed in $(took)"
