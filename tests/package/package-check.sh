#!/usr/bin/env bash
# make package-check: the Debian package of the last commit, built twice by make package in two fresh
# clones in different folders, one after the other, with a different time zone, locale and umask,
# must come out byte for byte the same (diffoscope shows any difference). Then lintian on it,
# hardening-check on its executable, and the install, upgrade, remove and purge with apt-get
# (check.sh, as root). The builds leave the tests out; with ccache on the PATH the first build uses
# the cache and the second compiles everything again, so that the cache hides no difference.
# Everything stays in build/package-check/: the two packages, the logs, a difference report.
set -euo pipefail
cd "$(dirname "$0")/../.."
source_dir=$PWD
started=$(date +%s)
commit=$(git rev-parse HEAD)
work=$source_dir/build/package-check

fail() {
  echo "package-check: FAILED: $*" >&2
  exit 1
}
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "package-check: the uncommitted changes are not part of the check: it builds commit $commit"
fi
rm -rf "$work"
mkdir -p "$work"
unset SOURCE_DATE_EPOCH

launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache

# build NAME FOLDER [VARIABLE=VALUE...]: make package of the commit in a fresh clone at FOLDER.
build() {
  local name=$1 dir=$2
  shift 2
  git clone -q --shared --no-checkout "$source_dir" "$dir"
  git -C "$dir" checkout -q --detach "$commit"
  echo "package-check: building the package in $dir" >&2
  if ! (cd "$dir" && env "$@" make --no-print-directory package CMAKE_ARGS="-DBUILD_TESTING=OFF $launcher") \
      >"$work/$name.log" 2>&1; then
    tail -n 40 "$work/$name.log" >&2
    fail "make package in $dir (the whole output is in $work/$name.log)"
  fi
  find "$dir/build/package" -maxdepth 1 -name '*.deb' | sort | head -n 1
}
one=$(umask 022 && build one "$work/one/velmor08" TZ=UTC LC_ALL=C.UTF-8)
two=$(umask 002 && build two "$work/second-build/of-the-same-commit/velmor08" TZ=XYZ-13:45 LC_ALL=C CCACHE_RECACHE=1)
if [ -z "$one" ] || [ -z "$two" ]; then fail "a build made no package"; fi
name=$(basename "$one")
cp "$one" "$work/$name"

echo "package-check: comparing the two packages"
if ! cmp -s "$one" "$two"; then
  if command -v diffoscope >/dev/null 2>&1; then
    diffoscope --text "$work/differences.txt" "$one" "$two" >/dev/null 2>&1 || true
    head -n 60 "$work/differences.txt" >&2
  fi
  fail "the two builds of $commit differ (diffoscope's report: $work/differences.txt)"
fi
sha256sum "$one" | sed "s#  .*#  $name, both builds#"

echo "package-check: lintian"
# Errors and warnings fail; of the informational and pedantic tags only these are expected:
#   hardening-no-fortify-functions: the executable calls no checked libc function, because each of
#   its calls (read into a fixed buffer, the copies of the containers) is sized so that the compiler
#   can prove it safe; the compile commands show _FORTIFY_SOURCE (below).
expected_tags='hardening-no-fortify-functions'
lintian_out=$(lintian --tag-display-limit 0 -I --pedantic --fail-on error,warning "$one" 2>&1) ||
  fail "lintian:"$'\n'"$lintian_out"
printf '%s\n' "$lintian_out" | grep -v '^running with root privileges' || true
unexpected=$(printf '%s\n' "$lintian_out" | grep -E '^[EWIPX]: ' | grep -vwE "$expected_tags" || true)
[ -z "$unexpected" ] || fail "lintian tags no one has looked at:"$'\n'"$unexpected"

echo "package-check: hardening-check on the packaged executable"
root=$work/root
mkdir -p "$root"
dpkg-deb -x "$one" "$root"
hardening-check --verbose "$root/usr/games/velmor08" || true
# The two checks that cannot see what is there are read elsewhere: the checked functions from the
# compile commands; control-flow protection is compiled in (-fcf-protection) but Debian 12's C
# library start files carry no mark for it, so no executable linked on Debian 12 shows it.
hardening-check --quiet --nofortify --nocfprotection "$root/usr/games/velmor08" ||
  fail "hardening-check: $root/usr/games/velmor08"
python3 - "$work/one/velmor08" <<'EOF' || fail "the package's build did not compile every source with _FORTIFY_SOURCE=2"
import json, os, sys
top = sys.argv[1]
entries = json.load(open(os.path.join(top, "build", "compile_commands.json")))
game = [e for e in entries if os.path.relpath(e["file"], top).split(os.sep)[0] in ("src", "app")]
bare = [e["file"] for e in game if " -D_FORTIFY_SOURCE=2 " not in e["command"] or " -O2 " not in e["command"]]
print(f"package-check: {len(game) - len(bare)} of the {len(game)} sources compiled with -O2 -D_FORTIFY_SOURCE=2")
sys.exit(1 if bare or not game else 0)
EOF

echo "package-check: the previous package, for the upgrade"
previous_version="$(dpkg-deb -f "$one" Version)~previous"
(cd "$work/one/velmor08/build" &&
   cpack -G DEB -D "CPACK_PACKAGE_VERSION=$previous_version" -D "CPACK_OUTPUT_FILE_PREFIX=$work/previous") \
  >"$work/previous.log" 2>&1 || { cat "$work/previous.log" >&2; fail "cpack of the previous package"; }
previous=$(find "$work/previous" -maxdepth 1 -name '*.deb' | head -n 1)

run=()
[ "$(id -u)" -eq 0 ] || run=(sudo)
"${run[@]}" bash tests/package/check.sh "$one" "$previous"

rm -rf "$work/one" "$work/second-build" "$root"
echo "package-check: passed in $(($(date +%s) - started)) s: two identical builds of $commit, lintian, hardening-check, install, upgrade, remove and purge"
