#!/usr/bin/env bash
# The Debian package as an administrator and the players meet it, with apt-get: install the previous
# package, play, upgrade to this one (with a dpkg-statoverride on the score folder), play again,
# remove, purge; then install and purge once more on a machine without records. At each step it
# checks where the files are, the score folder's owner and mode, and that the players' records are
# kept. Runs as root and leaves the machine as it found it: the package purged, a score folder or
# statoverride that was there before put back.
#   check.sh PACKAGE.deb PREVIOUS.deb
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
package=velmor08
tables=(br546.txt br547.txt br548.txt br549.txt)

fail() {
  echo "package check: FAILED: $*" >&2
  exit 1
}
step() { echo "package check: $*"; }

[ $# -eq 2 ] || fail "usage: check.sh PACKAGE.deb PREVIOUS.deb"
[ "$(id -u)" -eq 0 ] || fail "it installs and purges the package: run it as root"
case $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) in
  '' | *not-installed) ;;
  *) fail "$package is on this machine; the check installs and purges it: purge it first" ;;
esac

tmp=$(mktemp -d)
chmod 755 "$tmp"
# apt reads local packages as its own unprivileged user: copies it can read.
cp "$1" "$tmp/new.deb"
cp "$2" "$tmp/previous.deb"
chmod 644 "$tmp"/*.deb
new_version=$(dpkg-deb -f "$tmp/new.deb" Version)
previous_version=$(dpkg-deb -f "$tmp/previous.deb" Version)
dpkg --compare-versions "$previous_version" lt "$new_version" ||
  fail "the previous package ($previous_version) is not older than this one ($new_version)"

# The score folder is the one the package's postinst creates; the desktop id is the entry's name.
scores=$(dpkg-deb --ctrl-tarfile "$tmp/new.deb" | tar -xO ./postinst | sed -n 's/^dir="\(.*\)"$/\1/p')
[ -n "$scores" ] || fail "no score folder in the package's postinst"
parent=$(dirname "$scores")
app_id=$(dpkg-deb -c "$tmp/new.deb" | sed -n 's#.*\./usr/share/applications/\(.*\)\.desktop$#\1#p')
[ -n "$app_id" ] || fail "no desktop entry in the package"

# Every file where Debian puts it, and nothing else.
expected=(/usr/games/velmor08
          "/usr/share/applications/$app_id.desktop"
          /usr/share/doc/velmor08/changelog.gz
          /usr/share/doc/velmor08/copyright
          /usr/share/man/man6/velmor08.6.gz
          "/usr/share/metainfo/$app_id.metainfo.xml")
for size in 16 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
# A translation for each language of the source tree.
for ts in "$here"/../../translations/velmor08_*.ts; do
  expected+=("/usr/share/velmor08/translations/$(basename "${ts%.ts}").qm")
done

# What was there before, to be put back at the end.
parent_before=
[ -d "$parent" ] && parent_before=$(stat -c '%u:%g %a' "$parent")
saved_override=$(dpkg-statoverride --list "$scores" 2>/dev/null || true)
backup=
folder_is_ours=no
added_override=no

cleanup() {
  set +e
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -qv not-installed; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o DPkg::Lock::Timeout=300 "$package" >/dev/null 2>&1 ||
      dpkg --purge "$package" >/dev/null 2>&1
  fi
  [ "$added_override" = yes ] && dpkg-statoverride --remove "$scores" >/dev/null 2>&1
  # The score folder is the test's own once the one that was there waits in the backup.
  [ "$folder_is_ours" = yes ] && rm -rf "$scores"
  if [ -n "$parent_before" ] && [ ! -d "$parent" ]; then
    # shellcheck disable=SC2086
    set -- $parent_before
    mkdir -p "$parent" && chown "$1" "$parent" && chmod "$2" "$parent"
  fi
  if [ -n "$backup" ]; then
    mv "$backup/scores" "$scores" && rmdir "$backup"
  fi
  if [ -n "$saved_override" ]; then
    # shellcheck disable=SC2086
    set -- $saved_override
    dpkg-statoverride --list "$4" >/dev/null 2>&1 || dpkg-statoverride --add "$1" "$2" "$3" "$4"
  fi
  [ -z "$parent_before" ] && rmdir "$parent" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
if [ -e "$scores" ] || [ -L "$scores" ]; then
  backup=$(mktemp -d "/var/tmp/velmor08-scores.XXXXXX")
  mv "$scores" "$backup/scores"
fi
folder_is_ours=yes
if [ -n "$saved_override" ]; then
  dpkg-statoverride --remove "$scores"
fi

apt() {
  local log=$tmp/apt.log
  if ! DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -q -o DPkg::Lock::Timeout=300 >"$log" 2>&1; then
    cat "$log" >&2
    fail "apt-get $*"
  fi
}
owner_mode() { stat -c '%U:%G %a' "$1"; }
expect_folder() {
  if [ ! -d "$scores" ] || [ -L "$scores" ]; then fail "$2: no score folder $scores"; fi
  [ "$(owner_mode "$scores")" = "$1" ] || fail "$2: score folder is $(owner_mode "$scores"), not $1"
}
expect_installed() {
  [ "$(dpkg-query -W -f='${Status} ${Version}' "$package")" = "install ok installed $1" ] ||
    fail "$2: $package $1 is not installed: $(dpkg-query -W -f='${Status} ${Version}' "$package")"
  local listed
  listed=$(dpkg-query -L "$package" | while read -r path; do [ -d "$path" ] || echo "$path"; done | sort)
  [ "$listed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "$2: the package's files are not where expected:"$'\n'"$(diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$listed"))"
  for path in "${expected[@]}"; do
    [ -f "$path" ] || fail "$2: $path is missing"
  done
  [ -x /usr/games/velmor08 ] || fail "$2: /usr/games/velmor08 is not executable"
}
expect_files_gone() {
  for path in "${expected[@]}" /usr/share/doc/velmor08 /usr/share/velmor08; do
    [ ! -e "$path" ] || fail "$1: $path is still there"
  done
}
# The files in the score folder, with owners, sorted.
folder_files() { (cd "$scores" && find . -mindepth 1 -printf '%P %u\n' | sort); }
records_sum() { (cd "$scores" && sha256sum "${tables[@]}" br549.txt.bad br547.txt.bad.3); }
play() { # $1: a name for the run; the game runs as nobody with a home of its own
  local home=$tmp/home-$1
  if ! "$here/../run-in-xvfb.sh" --time-limit 120 bash "$here/start-game.sh" "$home"; then
    cat "$home/stderr" >&2
    fail "$1: the installed game did not start and end cleanly"
  fi
  played_home=$home
}
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }

step "install $previous_version"
apt install "$tmp/previous.deb"
expect_installed "$previous_version" "install"
expect_folder "root:root 777" "install"

step "a player's game saves the four tables in the shared folder"
play shared
for table in "${tables[@]}"; do
  [ "$(stat -c %U "$scores/$table" 2>/dev/null)" = nobody ] || fail "the game left no $table of its player in $scores"
done
[ ! -e "$played_home/.local/share/velmor08" ] || fail "the game fell back to its player's own folder"
# What else a game leaves there: copies of damaged tables, and the temporary file of a save cut short.
as_nobody sh -c "echo damaged > '$scores/br549.txt.bad' && echo damaged > '$scores/br547.txt.bad.3' &&
                 echo partial > '$scores/br548.txt.Ab3dE9'"
records=$(records_sum)

step "upgrade to $new_version, with a statoverride on the score folder"
dpkg-statoverride --add root games 2775 "$scores"
added_override=yes
apt install "$tmp/new.deb"
expect_installed "$new_version" "upgrade"
[ ! -e /usr/bin/velmor08 ] || fail "upgrade: /usr/bin/velmor08 is there"
expect_folder "root:games 2775" "upgrade"
[ "$(records_sum)" = "$records" ] || fail "upgrade: the records changed"
[ -e "$scores/br548.txt.Ab3dE9" ] || fail "upgrade: a file in the score folder went"

step "a player who cannot write the shared folder keeps the tables in their own"
play own
for table in "${tables[@]}"; do
  [ -f "$played_home/.local/share/velmor08/$table" ] || fail "the game kept no $table in its player's own folder"
done
[ "$(records_sum)" = "$records" ] || fail "a game without the right to write changed the shared records"

step "remove"
apt remove "$package"
[ "$(dpkg-query -W -f='${Status}' "$package")" = "deinstall ok config-files" ] || fail "remove: $package is not removed"
expect_files_gone "remove"
expect_folder "root:games 2775" "remove"
[ "$(records_sum)" = "$records" ] || fail "remove: the records changed"
[ -e "$scores/br548.txt.Ab3dE9" ] || fail "remove: a file in the score folder went"

step "purge: the players' records stay, nothing else"
apt purge "$package"
grep -q "the players' high-score tables stay in $scores" "$tmp/apt.log" || fail "purge: no word that the records stay"
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -qv not-installed; then
  fail "purge: $package is still known to dpkg"
fi
expect_files_gone "purge"
expected_left=$(printf '%s nobody\n' "${tables[@]}" br549.txt.bad br547.txt.bad.3 | sort)
[ "$(folder_files)" = "$expected_left" ] ||
  fail "purge: the score folder holds"$'\n'"$(folder_files)"$'\n'"and not only the records"$'\n'"$expected_left"
[ "$(records_sum)" = "$records" ] || fail "purge: the records changed"
dpkg-statoverride --remove "$scores"
added_override=no

step "install $new_version and purge on a machine without records: nothing is left behind"
rm -rf "$scores"
apt install "$tmp/new.deb"
expect_installed "$new_version" "install"
expect_folder "root:root 777" "install"
apt purge "$package"
expect_files_gone "purge"
[ ! -e "$scores" ] || fail "purge: $scores is still there"
if [ -z "$parent_before" ] && [ -e "$parent" ]; then
  fail "purge: $parent is still there"
fi

step "passed: install, upgrade from $previous_version, remove and purge"
