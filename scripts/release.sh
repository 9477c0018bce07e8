#!/usr/bin/env bash
# The release of the commit checked out, in dist/:
#
#   zarkel-VERSION.html                     the editor in one file, opened from the disk
#   zarkel-VERSION-site.zip                 the browser edition's site, for a host
#   zarkel_VERSION-1_amd64.deb              the Debian package
#   zarkel-cli-VERSION-windows-x86_64.zip   zarkel-cli for Windows
#   zarkel-VERSION.tar.gz                   the sources of the commit (git archive)
#   SHA256SUMS                              the SHA-256 of each of them
#   RELEASE-NOTES.md                        what changed, from packaging/CHANGES.md
#
#   scripts/release.sh            build (scripts/web.sh --build, scripts/package.sh,
#                                 scripts/windows.sh --build), then pack
#   scripts/release.sh --repack   pack again from what the last run built, compiling nothing
#
# Two runs from one commit give the same bytes: every archive holds its names sorted and every
# time set to the commit's (SOURCE_DATE_EPOCH), without owners or extra fields. It refuses a
# tree with changes that are not committed, and names them: a release is built from a commit.
#
# ZARKEL_RELEASE_BUILDS=DIR takes the built programs (the site and the single file, the
# package, zarkel-cli.exe) from the build folders of the checkout DIR instead of building them
# here: the release test takes those that the test command has just built from the same
# commit.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/reproducible.sh"

repack=false
case "$*" in
  "") ;;
  --repack) repack=true ;;
  *)
    echo "usage: scripts/release.sh [--repack]" >&2
    exit 2
    ;;
esac

changes=$(git -C "$top" status --porcelain --untracked-files=all)
if [ -n "$changes" ]; then
  echo "release: refused: a release is built from a commit, and these files differ from it:" >&2
  echo "$changes" >&2
  echo "release: commit them, or stash or remove them, and run it again" >&2
  exit 1
fi
commit=$(git -C "$top" rev-parse HEAD)
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
date=$(sed -n 's/^set(ZARKEL_RELEASE_DATE \([0-9-]*\)).*/\1/p' "$top/CMakeLists.txt")

# What is packed: the built programs, kept in the stage with the commit they were built from.
stage="$top/build-release/stage"
if $repack; then
  if [ "$(cat "$stage/commit" 2>/dev/null)" != "$commit" ]; then
    echo "release: nothing built from $commit to repack: run scripts/release.sh first" >&2
    exit 1
  fi
else
  from=${ZARKEL_RELEASE_BUILDS:-$top}
  if [ -z "${ZARKEL_RELEASE_BUILDS:-}" ]; then
    echo "== building"
    "$top/scripts/web.sh" --build
    "$top/scripts/package.sh" >/dev/null
    "$top/scripts/windows.sh" --build
  fi
  deb="$from/build-package/zarkel_$version-1_amd64.deb"
  exe="$from/build-windows/zarkel-cli.exe"
  for built in "$from/build-web/site/index.html" "$from/build-web/zarkel-$version.html" "$deb" \
    "$exe"; do
    [ -f "$built" ] || {
      echo "release: $built is missing" >&2
      exit 1
    }
  done
  rm -rf "$stage"
  mkdir -p "$stage"
  cp -r "$from/build-web/site" "$stage/zarkel-$version-site"
  cp "$from/build-web/zarkel-$version.html" "$deb" "$exe" "$stage/"
  echo "$commit" >"$stage/commit"
fi

echo "== packing $version from $commit"
dist="$top/dist"
rm -rf "$dist"
mkdir -p "$dist"
cp "$stage/zarkel-$version.html" "$stage/zarkel_$version-1_amd64.deb" "$dist/"
site_copy="$top/build-release/zarkel-$version-site"
rm -rf "$site_copy"
cp -r "$stage/zarkel-$version-site" "$site_copy"
stable_zip "$dist/zarkel-$version-site.zip" "$site_copy"
rm -rf "$site_copy"
windows_zip "$stage/zarkel-cli.exe" "$top" "$version" "$dist" >/dev/null
git -C "$top" archive --format=tar --prefix="zarkel-$version/" "$commit" |
  gzip -9n >"$dist/zarkel-$version.tar.gz"

# The notes: this version's items of packaging/CHANGES.md, as the package's changelog has them.
items=$(awk -v heading="## $version" '
  $0 == heading { inside = 1; next }
  /^#/ { inside = 0 }
  inside' "$top/packaging/CHANGES.md" | sed -e '/./,$!d')
if [ -z "$items" ]; then
  echo "release: packaging/CHANGES.md has no section \"## $version\"" >&2
  exit 1
fi
cat >"$dist/RELEASE-NOTES.md" <<EOF
# zarkel $version

Released $date, from commit $commit.

## What changed

$items

## Which file to download

| file | for |
|---|---|
| \`zarkel-$version.html\` | anyone on Windows, macOS or Linux: download it, double-click it, and it opens in the browser (tested in Chromium and Firefox ESR; Safari untested) |
| \`zarkel-$version-site.zip\` | whoever hosts the browser edition on a web server |
| \`zarkel_$version-1_amd64.deb\` | Debian and Ubuntu: \`sudo apt install ./zarkel_$version-1_amd64.deb\` |
| \`zarkel-cli-$version-windows-x86_64.zip\` | scripting on Windows with zarkel-cli |
| \`zarkel-$version.tar.gz\` | the sources |

Check a download with \`sha256sum -c SHA256SUMS --ignore-missing\`.
EOF
(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
  xargs sha256sum >SHA256SUMS)
echo "release: $dist"
ls -l "$dist"
