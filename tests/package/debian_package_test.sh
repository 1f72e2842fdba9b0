#!/usr/bin/env bash
# Builds the Debian package from a built build tree, checks that it holds every file of the program
# and nothing else, that its dependencies were computed, and that the unpacked program finds its
# language files when started through its link in /usr/bin.
# Usage: debian_package_test.sh BUILD_DIR SOURCE_DIR with-man|without-man
set -euo pipefail
build="$1" source="$2" man="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/plx_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one plx_*.deb, found: ${debs[*]}"
deb="${debs[0]}"

# Every file and link, and only those.
expected=(
  "./usr/bin/plx -> ../lib/plx/plx"
  "./usr/bin/plxcal -> ../lib/plx/plxcal"
  ./usr/lib/plx/plx
  ./usr/lib/plx/plxcal
  ./usr/share/applications/plx.desktop
  ./usr/share/icons/hicolor/scalable/apps/plx.svg
)
for language in "$source"/resources/Languages/*.xml; do
  expected+=("./usr/lib/plx/Languages/$(basename "$language")")
done
[ "$man" = with-man ] && expected+=(./usr/share/man/man1/plxcal.1.gz)
dpkg-deb --contents "$deb" | grep -v '^d' | sed 's/^\([^ ]* *\)\{5\}//' | sort >"$work/found"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/found" || fail "the package's files differ from the list above"

depends="$(dpkg-deb --field "$deb" Depends)"
for library in libc6 libical3 libqt6core6 libqt6gui6 libqt6widgets6; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qx "$library" ||
    fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
root="$work/root/usr"
[[ "$(file -b "$root/lib/plx/plxcal")" == *stripped* ]] || fail "plxcal is not stripped"
if [ "$man" = with-man ]; then
  zcat "$root/share/man/man1/plxcal.1.gz" >"$work/plxcal.1"
  grep -q '^\.TH PLXCAL "1"' "$work/plxcal.1" || fail "the man page has no title line"
  grep -q 'lang' "$work/plxcal.1" || fail "the man page lacks the options"
  ! grep -q "$build" "$work/plxcal.1" || fail "the man page names the build tree"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/share/applications/plx.desktop" || fail "invalid desktop entry"
fi

# A Hebrew report needs the Hebrew language file: found only in Languages/ beside the real program.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$root/bin/plxcal" report daily 2024-04-23 --lang he --pdf "$work/day.pdf" ||
  fail "the unpacked plxcal could not make a Hebrew report"
[ "$(head -c 4 "$work/day.pdf")" = "%PDF" ] || fail "the report is no PDF"
[ "$("$root/bin/plxcal" --version)" = "plxcal $(dpkg-deb --field "$deb" Version)" ] ||
  fail "plxcal --version does not give the package's version"
echo "ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
