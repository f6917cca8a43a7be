#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the README's path on a pristine Debian 12 as a new user would: builds
# a bare bookworm root with debootstrap (minbase plus git, make and sudo),
# clones this repository into it, builds the program with only the build's
# packages (`scripts/setup.sh --build`, as `make check` does), and runs `make
# test`, which installs the rest, then `make run` with
# no display, as an ordinary user with sudo rights inside a chroot.
#
# Usage (as root, or through sudo):
#   scripts/fresh_debian.sh [ROOT_DIR]      (default: /var/tmp/fluvenna-fresh)
# Environment:
#   FRESH_MIRROR  the Debian mirror   (default: the first deb.debian.org-like
#                 URI of this machine's apt sources, else deb.debian.org)
#   FRESH_REF     the commit to try   (default: this checkout's HEAD; commit
#                 first, the working tree's changes are not taken along)
#   FRESH_KEEP=1  keep the root afterwards (by default it is removed on success)
# Exits 0 when every step passes; the log of each step is ROOT_DIR.log/<step>.log.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
root="${1:-/var/tmp/fluvenna-fresh}"
logs="$root.log"
ref="${FRESH_REF:-$(git -C "$repo" rev-parse HEAD)}"
user=newcomer

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=FRESH_MIRROR,FRESH_REF,FRESH_KEEP "$0" "$@"
fi

default_mirror() {
  local uri
  uri="$(grep -hoE '^(URIs:|deb) +https?://[^ ]+/debian/?( |$)' \
    /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null |
    awk '{print $2}' | head -n 1 || true)"
  echo "${uri:-http://deb.debian.org/debian}"
}
mirror="${FRESH_MIRROR:-$(default_mirror)}"

if ! command -v debootstrap >/dev/null 2>&1; then
  echo "fresh: installing debootstrap" >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
fi

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  mounted=()
}
trap unmount_all EXIT INT TERM

mount_into() { # mount_into TARGET MOUNT-ARGS...
  local target="$1"
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

step() { # step NAME COMMAND...: runs COMMAND, its output into the step's log, and times it
  local name="$1" start rc
  shift
  start=$(date +%s)
  echo "fresh: $name ..." >&2
  set +e
  "$@" >"$logs/$name.log" 2>&1
  rc=$?
  set -e
  echo "fresh: $name: exit $rc after $(($(date +%s) - start)) s (log: $logs/$name.log)" >&2
  if [ "$rc" -ne 0 ]; then
    tail -n 40 "$logs/$name.log" >&2
  fi
  return "$rc"
}

# Never remove a root that still has something mounted in it (/dev above all).
if awk -v r="$root/" 'index($2, r) == 1 {found = 1} END {exit !found}' /proc/mounts; then
  echo "fresh: something is still mounted under $root from an earlier run; unmount it first" >&2
  exit 1
fi
rm -rf "$root" "$logs"
mkdir -p "$root" "$logs"
began=$(date +%s)

step debootstrap debootstrap --variant=minbase --include=git,make,sudo \
  bookworm "$root" "$mirror"

# The chroot's own network names, a user with sudo rights, and the clone.
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The host names an installed Debian has (debootstrap writes none): the
# browser tests reach their driver and server at localhost.
cat >"$root/etc/hosts" <<EOF
127.0.0.1 localhost
127.0.1.1 $(hostname)
::1 localhost ip6-localhost ip6-loopback
EOF
# A network that inspects TLS has its own certificate authority, which this
# machine trusts (/usr/local/share/ca-certificates); the new root trusts it
# too, and Node.js (npm) is told to read the system's list, as here.
node_ca=()
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
  chroot "$root" update-ca-certificates >/dev/null 2>&1 || true
  node_ca=(NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt)
fi
chroot "$root" useradd --create-home --shell /bin/bash "$user"
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"
git clone --quiet --no-local --no-checkout "$repo" "$root/home/$user/fluvenna"
git -C "$root/home/$user/fluvenna" checkout --quiet --detach "$ref"
chroot "$root" chown -R "$user:$user" "/home/$user/fluvenna"

mount_into "$root/proc" -t proc proc
mount_into "$root/sys" -t sysfs sysfs
mount_into "$root/dev" --bind /dev
mount_into "$root/dev/pts" --bind /dev/pts
mount_into "$root/dev/shm" -t tmpfs -o mode=1777 shm

in_root() { # in_root COMMAND: runs COMMAND in the clone as the new user, with no display
  chroot "$root" /usr/bin/env -i HOME="/home/$user" USER="$user" LOGNAME="$user" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "${node_ca[@]}" \
    /usr/bin/sudo -u "$user" -H --preserve-env=LANG,NODE_EXTRA_CA_CERTS \
    /bin/bash -lc "cd ~/fluvenna && $1"
}

result=0
# As make check does: only the build's packages, and the program built with
# them; then make test, which installs the rest.
step build-first in_root "bash scripts/setup.sh --build && cmake --preset default >/dev/null && cmake --build build" ||
  result=1
if [ "$result" -eq 0 ]; then
  step make-test in_root "make test" || result=1
fi
if [ "$result" -eq 0 ]; then
  step make-run in_root "unset DISPLAY WAYLAND_DISPLAY; make run" || result=1
fi
if [ "$result" -eq 0 ]; then
  for f in fluvenna-circle.png fluvenna-airfoil.png fluvenna-circle.svg fluvenna-airfoil.svg; do
    if ! [ -s "$root/home/$user/fluvenna/out/$f" ]; then
      echo "fresh: make run wrote no out/$f" >&2
      result=1
    fi
  done
fi
unmount_all
if awk -v r="$root/" 'index($2, r) == 1 {found = 1} END {exit !found}' /proc/mounts; then
  echo "fresh: could not unmount everything under $root; it is kept" >&2
  FRESH_KEEP=1
fi

echo "fresh: $( ((result == 0)) && echo passed || echo FAILED) on Debian 12 after $(($(date +%s) - began)) s ($(git -C "$repo" log -1 --format='%h %s' "$ref"))" >&2
if [ "$result" -eq 0 ] && [ "${FRESH_KEEP:-0}" != 1 ]; then
  rm -rf "$root"
fi
exit "$result"
