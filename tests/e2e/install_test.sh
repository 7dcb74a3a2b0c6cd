#!/usr/bin/env bash
# An install into a fresh prefix: the layout, the desktop entry and metainfo validate, and the installed
# program, started through its link from an unrelated working directory, finds its pictures and shows the
# title.
source "$(dirname "$0")/lib.sh"
build=$1
prefix="$E2E_WORK/prefix"

cmake --install "$build" --prefix "$prefix" >"$E2E_WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(tail -5 "$E2E_WORK/install.log")"

for path in lib/yorun/bin/yorun lib/yorun/mato_bmp/始める.bmp lib/yorun/mato_snd \
    share/applications/net.yorun.Yorun.desktop share/metainfo/net.yorun.Yorun.metainfo.xml \
    share/icons/hicolor/128x128/apps/net.yorun.Yorun.png share/man/man6/yorun.6; do
    [[ -e "$prefix/$path" ]] || fail "$path was not installed"
done
[[ -L "$prefix/bin/yorun" ]] || fail "bin/yorun is not a link"
[[ "$(readlink "$prefix/bin/yorun")" == ../lib/yorun/bin/yorun ]] || fail "bin/yorun is not a relative link"
[[ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/128x128/apps/net.yorun.Yorun.png")" == 128x128 ]] ||
    fail "the 128 pixel icon has the wrong size"

desktop-file-validate "$prefix/share/applications/net.yorun.Yorun.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/net.yorun.Yorun.metainfo.xml" ||
    fail "the metainfo does not validate"

# Run from a directory with nothing of the game in it, so only the program's own path can lead to the data.
elsewhere="$E2E_WORK/elsewhere"
mkdir -p "$elsewhere"
art="$prefix/lib/yorun/mato_bmp"
start_xvfb -ardelay 100000
cd "$elsewhere"
start_game "$prefix/bin/yorun"
wait_for_window Yorun
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
wait_for_art Yorun 400 385 "$art/終わる.bmp" 75 20
grep -qi "cannot\|not found" "$E2E_WORK/game.log" && fail "the installed game reported: $(cat "$E2E_WORK/game.log")"
press Escape
expect_exit 0 5
echo "ok"
