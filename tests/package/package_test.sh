#!/usr/bin/env bash
# The Debian package as a user gets it: lintian finds nothing to warn of, the desktop entry, metainfo and
# manual page pass their checkers, --help and the manual page list the same options, every file unpacked is
# one the package lists, and the program unpacked into a scratch root starts through its /usr/games link to
# the title, writing nothing but into the user's own data and configuration folders.
#
#   tests/package/package_test.sh build-package/yorun_VERSION_ARCH.deb
source "$(dirname "$0")/../e2e/lib.sh"
deb=$(realpath "$1")
root="$E2E_WORK/root"

echo "lintian:"
lintian_log="$E2E_WORK/lintian.log"
lintian --fail-on error,warning --display-info "$deb" >"$lintian_log" 2>&1 || {
    cat "$lintian_log"
    fail "lintian found errors or warnings"
}
sed 's/^/    /' "$lintian_log"

dpkg -x "$deb" "$root"
listed=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||; s|/$||' | grep -v '^$' | sort)
unpacked=$(cd "$root" && find . -mindepth 1 | sed 's|^\./||' | sort)
[[ "$listed" == "$unpacked" ]] || fail "the unpacked files differ from the package's list: $(diff <(echo "$listed") <(echo "$unpacked") | head -5)"

[[ -L "$root/usr/games/yorun" ]] || fail "/usr/games/yorun is not a link to the program"
[[ -f "$root/usr/share/games/yorun/mato_bmp/始める2.bmp" ]] || fail "the pictures are not in /usr/share/games/yorun"
desktop-file-validate "$root/usr/share/applications/net.yorun.Yorun.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/net.yorun.Yorun.metainfo.xml" >"$E2E_WORK/appstream.log" 2>&1 ||
    fail "the metainfo does not validate: $(cat "$E2E_WORK/appstream.log")"
manual="$root/usr/share/man/man6/yorun.6.gz"
man_warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
[[ -z "$man_warnings" ]] || fail "man --warnings: $man_warnings"

# The options: every word --help lists in its option column, and every one the manual's OPTIONS names.
program="$root/usr/games/yorun"
from_help=$("$program" --help | grep -oE '^  (/[a-z]+|--[a-z-]+)(, (/[a-z]+|--[a-z-]+))?' | grep -oE '/[a-z]+|--[a-z-]+' | sort -u)
from_manual=$(zcat "$manual" | sed -n '/^\.SH OPTIONS/,/^\.SH /p' | grep -E '^\.(B|BR|BI) ' |
    sed 's/\\-/-/g' | grep -oE '(^|[ "])(/[a-z]+|--[a-z-]+)' | grep -oE '/[a-z]+|--[a-z-]+' | sort -u)
[[ -n "$from_help" && "$from_help" == "$from_manual" ]] ||
    fail "--help and the manual page list different options: $(diff <(echo "$from_help") <(echo "$from_manual") | tr '\n' ' ')"
[[ "$("$program" --version)" == "yorun $(dpkg-deb -f "$deb" Version)" ]] || fail "--version is not the package's version"

# Started as a user would, from an unrelated directory with a home of its own.
home="$E2E_WORK/home"
mkdir -p "$home" "$E2E_WORK/elsewhere"
before=$(cd "$root" && find . | sort)
start_xvfb -ardelay 100000
cd "$E2E_WORK/elsewhere"
HOME="$home" env -u XDG_DATA_HOME -u XDG_CONFIG_HOME "$program" >"$E2E_WORK/game.log" 2>&1 &
E2E_GAME_PID=$!
wait_for_window Yorun
art="$root/usr/share/games/yorun/mato_bmp"
wait_for_art Yorun 400 320 "$art/始める2.bmp" 75 20
wait_for_art Yorun 400 385 "$art/終わる.bmp" 75 20
# A volume change is written at once: the one file a title-screen visit keeps.
press minus
deadline=$((SECONDS + 20))
until [[ -f "$home/.config/yorun/settings.ini" ]]; do
    ((SECONDS < deadline)) || fail "the settings were not written to ~/.config/yorun"
    sleep 0.1
done
press Escape
expect_exit 0 10

[[ "$(cd "$root" && find . | sort)" == "$before" ]] || fail "the program wrote into its own installed tree"
stray=$(cd "$home" && find . -type f | grep -v -E '^\./\.local/share/yorun/|^\./\.config/yorun/' || true)
[[ -z "$stray" ]] || fail "the program wrote outside the user's data and configuration folders: $stray"
[[ -z "$(ls -A "$E2E_WORK/elsewhere")" ]] || fail "the program wrote into its working directory"
echo "ok: the package installs its files where Debian's games go, passes its checkers and starts"
