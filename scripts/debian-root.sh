# Sourced by scripts/package-test.sh and scripts/fresh-test.sh: the Debian archive this machine's
# apt uses, and a minimal Debian 12 root made from it with debootstrap. No archive address is
# written here: a root comes from the archive the machine already trusts, or not at all.

# Where this machine's apt keeps its sources.
debian_apt=${debian_apt:-/etc/apt}

# The Debian archive this machine's apt uses, for the suite given (its first URI).
debian_mirror_of() {  # suite
  local suite=$1 sources=()
  shopt -s nullglob
  sources=("$debian_apt"/sources.list.d/*.sources)
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
  sources=("$debian_apt"/sources.list.d/*.list)
  [ -f "$debian_apt/sources.list" ] && sources=("$debian_apt/sources.list" "${sources[@]}")
  [ ${#sources[@]} -eq 0 ] || cat "${sources[@]}" | awk -v suite="$suite" '
    $1 == "deb" {
      i = 2
      if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
      if ($(i + 1) == suite) { print $i; exit }
    }'
  shopt -u nullglob
}

# Sets debian_mirror, and debian_sources to the lines of the root's sources.list, from this
# machine's apt sources. When they name no archive for bookworm it says so on stderr and
# returns 1.
debian_sources() {
  debian_sources=
  debian_mirror=$(debian_mirror_of bookworm | head -1)
  local security
  security=$(debian_mirror_of bookworm-security | head -1)
  if [ -z "$debian_mirror" ]; then
    echo "This machine's apt sources ($debian_apt/sources.list and sources.list.d) name no" \
      "Debian archive for bookworm, and a Debian 12 root is made only from the archive this" \
      "machine uses. Add a 'deb' line for bookworm, or a 'Types: deb' stanza with" \
      "'Suites: bookworm', and run again." >&2
    return 1
  fi
  debian_sources="deb $debian_mirror bookworm main
deb $debian_mirror bookworm-updates main"
  if [ -n "$security" ]; then
    debian_sources+=$'\n'"deb $security bookworm-security main"
  else
    echo "No bookworm-security entry in this machine's apt sources: the root gets no" \
      "security updates." >&2
  fi
}

# Makes a minimal Debian 12 root in ROOT with debootstrap from debian_mirror (call
# debian_sources first), its output in LOG, and sets apt up in it for debian_sources. Further
# arguments go to debootstrap (a --cache-dir, for instance).
debian_bootstrap() {  # root log [debootstrap options...]
  local root=$1 log=$2 include=()
  shift 2
  [[ $debian_mirror == https:* ]] && include=(--include=ca-certificates)
  # dpkg need not flush every file of a root that is thrown away on failure.
  DPKG_FORCE=unsafe-io,security-mac debootstrap --variant=minbase "${include[@]}" "$@" \
    bookworm "$root" "$debian_mirror" >"$log" 2>&1 || return 1
  echo "$debian_sources" >"$root/etc/apt/sources.list"
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
  echo 'Dpkg::Use-Pty "false";' >"$root/etc/apt/apt.conf.d/90no-pty"  # no /dev/pts in a chroot
  cp /etc/resolv.conf "$root/etc/resolv.conf"
}
