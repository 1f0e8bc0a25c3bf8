#!/usr/bin/env bash
# tests/package/package_test.sh BUILD: makes the Debian package from an already built
# folder, unpacks it into a temporary root and checks what a user of it meets: the files
# in their places, each validator clean, and a Read and a Save by the installed tools that
# keep the user's Program.ini in XDG_CONFIG_HOME and write nothing beside the executables.
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
sim=""
cleanup() {
  [ -z "$sim" ] || kill "$sim" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(echo "$work"/out/kwprog_*_amd64.deb)
[ -f "$deb" ] || fail "no kwprog_VERSION_amd64.deb"
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks the Qt libraries"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"
for file in /usr/bin/kwprog /usr/bin/kwprog-cli /usr/bin/kwradio-sim \
  /usr/share/kwprog/Program.ini /usr/share/kwprog/startup.bmp /usr/share/kwprog/background.bmp \
  /usr/share/kwprog/title.ico /usr/share/kwprog/help/enHelp/index.html \
  /usr/share/kwprog/help/chHelp/index.html /usr/share/kwprog/help/guide/user-guide.md \
  /usr/share/applications/kwprog.desktop \
  /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/kwprog.png \
  /usr/share/icons/hicolor/scalable/apps/kwprog.svg /usr/share/metainfo/kwprog.metainfo.xml \
  /usr/share/mime/packages/kwprog.xml /usr/share/man/man1/{kwprog,kwprog-cli,kwradio-sim}.1 \
  /usr/share/bash-completion/completions/kwprog-cli /usr/share/zsh/vendor-completions/_kwprog-cli \
  /usr/share/doc/kwprog/{60-kwprog-serial.rules,README.md,user-guide.md}; do
  grep -qx "$file" "$work/contents" || fail "$file is not in the package"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
for program in kwprog kwprog-cli kwradio-sim; do
  [ "$("$bin/$program" --version)" = "$program $version" ] || fail "$program --version"
done

# Each validator and groff say nothing at all about our files.
checks=(
  "desktop-file-validate $root/usr/share/applications/kwprog.desktop"
  "appstreamcli validate --no-net --pedantic $root/usr/share/metainfo/kwprog.metainfo.xml"
  "xmllint --noout $root/usr/share/mime/packages/kwprog.xml"
)
for page in "$root"/usr/share/man/man1/*.1; do
  checks+=("groff -ww -man -z $page")
done
for check in "${checks[@]}"; do
  if ! $check > "$work/said" 2>&1 ||
    { [[ $check != appstreamcli* ]] && [ -s "$work/said" ]; }; then
    cat "$work/said" >&2
    fail "$check"
  fi
done

# A Read from the simulated radio saved into a document, by the installed tools.
"$bin/kwradio-sim" --model KW-217V --baud 0 --link "$work/radio" > "$work/sim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do
  [ -e "$work/radio" ] && break
  sleep 0.05
done
"$bin/kwprog-cli" read --port "$work/radio" "$work/read.dat" > "$work/read.log" 2>&1 ||
  { cat "$work/read.log" >&2; fail "kwprog-cli read"; }
[ "$(stat -c %s "$work/read.dat")" = 6144 ] || fail "the saved document is not 6144 bytes"
[ "$("$bin/kwprog-cli" profile Program.ini get Setup Language)" = English ] ||
  fail "kwprog-cli profile Program.ini does not read the installed default"
[ ! -e "$XDG_CONFIG_HOME/kwprog" ] || fail "profile get made a file"
"$bin/kwprog-cli" profile Program.ini set English Company Acme || fail "profile set"
[ "$(grep -c Acme "$XDG_CONFIG_HOME/kwprog/Program.ini")" = 1 ] ||
  fail "profile set did not go into the user's Program.ini in XDG_CONFIG_HOME"
! grep -q Acme "$root/usr/share/kwprog/Program.ini" || fail "profile set changed the default"

# The desktop program makes its own copy too, opens the saved document and ends on SIGTERM.
export XDG_CONFIG_HOME=$work/desktop-config
"$bin/kwprog" -Embedding --port "$work/radio" "$work/read.dat" > "$work/kwprog.log" 2>&1 &
desktop=$!
# SIGTERM closes the program once it has a handler for it, set up when the window is.
catches_term() {
  local mask
  mask=$(awk '/^SigCgt/ { print $2 }' "/proc/$desktop/status" 2> /dev/null) || return 1
  [ -n "$mask" ] && (((16#$mask >> 14) & 1))
}
for _ in $(seq 400); do
  catches_term && break
  sleep 0.05
done
kill -TERM "$desktop"
wait "$desktop" || { cat "$work/kwprog.log" >&2; fail "kwprog did not end cleanly"; }
[ -f "$XDG_CONFIG_HOME/kwprog/Program.ini" ] || fail "kwprog made no Program.ini"

[ "$(ls "$bin")" = "$(printf 'kwprog\nkwprog-cli\nkwradio-sim')" ] ||
  fail "something was written beside the executables: $(ls "$bin")"
echo "package $version: contents, validators, installed runs all fine"
