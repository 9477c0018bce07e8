#!/usr/bin/env bash
# Runs the test command (scripts/test.sh) as a new machine would: from a clean clone of the
# commit checked out here, inside a fresh minimal Debian 12 root made with debootstrap from the
# archive this machine's apt uses, with nothing installed but what debootstrap brings. Every
# package the scripts need is fetched there through scripts/packages.sh, so a package missing
# from those lists fails here even when this machine has it. Changes not committed are not
# tested. It takes long: run it before a change to the build, the scripts or the package lists.
#
# The root gets /proc, /sys, /dev with /dev/pts and its own /dev/shm, and this machine's
# resolv.conf; the package test inside makes its own root in it and chroots there. Everything
# is unmounted at the end, on failure too. The root is removed when the test passes and kept,
# unmounted, when it fails, to look into; its folder is named at the end.
#
#   scripts/fresh-test.sh     needs root (debootstrap, mount, chroot)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

say() { echo "fresh test: $*"; }
started=$SECONDS
took() {
  local s=$((SECONDS - started))
  printf '%dm%02ds' $((s / 60)) $((s % 60))
}
fail() {
  echo "fresh test: FAILED: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "it needs root to make a Debian root, mount in it and chroot there"

source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${FRESH_PACKAGES[@]}"
source "$top/scripts/debian-root.sh"
debian_sources || fail "no Debian archive to make the root from"

commit=$(git -C "$top" rev-parse HEAD)
[ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] ||
  say "changes not committed are left out: this tests commit $commit"

mkdir -p "$top/build-fresh"
root=$(realpath "$(mktemp -d "$top/build-fresh/root.XXXXXX")")
chmod 755 "$root"
log="$top/build-fresh/debootstrap.log"

# Processes left in the root (after an interruption), then every mount below it, deepest first.
finish() {
  local status=$? proc target
  trap - EXIT INT TERM
  for proc in /proc/[0-9]*; do
    target=$(readlink "$proc/root" 2>/dev/null) || continue
    [[ $target == "$root" || $target == "$root"/* ]] && kill -KILL "${proc#/proc/}" 2>/dev/null
  done
  local mounts
  mapfile -t mounts < <(findmnt -rn -o TARGET | grep -E "^$root(/|$)" | sort -r)
  for target in "${mounts[@]}"; do
    umount "$target" || umount --lazy "$target" || echo "fresh test: could not unmount $target" >&2
  done
  if [ "$status" -eq 0 ]; then
    rm -rf --one-file-system "$root"
  else
    echo "fresh test: the root is kept, unmounted, in $root" >&2
  fi
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

say "making a Debian 12 root with debootstrap from $debian_mirror in $root"
debian_bootstrap "$root" "$log" || fail "debootstrap did not finish; see $log"
say "root made at $(took)"

mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
# Its own memory file system, where the package test puts its root: programs run from it and
# devices open in it.
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"

# The certificate authorities this machine adds to Debian's own (a proxy's, for instance): the
# root's ca-certificates takes them in when apt installs it, so that npm reaches its registry
# from inside the root as it does from here.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi

git clone --quiet --no-local --no-checkout "$top" "$root/root/zarkel"
git -C "$root/root/zarkel" checkout --quiet --detach "$commit"
say "cloned commit $commit"

status=0
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  TERM=dumb CI=true ${ZARKEL_FUZZ_SECONDS:+ZARKEL_FUZZ_SECONDS=$ZARKEL_FUZZ_SECONDS} \
  /bin/bash -c 'cd /root/zarkel && scripts/test.sh' </dev/null || status=$?
[ "$status" -eq 0 ] || fail "the test command failed (exit $status) after $(took)"
say "passed in $(took)"
