#!/usr/bin/env bash
# The Windows installer as an administrator deploys it, under Wine: a silent install into a
# folder whose name Windows' ANSI code page cannot hold, the installed command-line program's
# reports on the example compared with this machine's (line ends aside), a project saved into
# and reopened from such a folder, the Start-menu entry and the project file type, and a silent
# uninstall that takes away what the installer put there.
# usage: WindowsInstaller.sh INSTALLER LINUX_CLI, in a WINEPREFIX of its own: it waits for all
# of the prefix's processes to end.
set -euo pipefail

installer=$1
linux_cli=$2
repo=$(cd "$(dirname "$0")/../.." && pwd)
example=$repo/data/examples/Multiplex.hoprj

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

install_dir='C:\Lumivane Łódź Zürich'
projects_dir='C:\Projekte Łódź ñ'
unix_install=$(winepath -u "$install_dir")
unix_projects=$(winepath -u "$projects_dir")
rm -rf "$unix_install" "$unix_projects"
trap 'rm -rf "$unix_install" "$unix_projects"' EXIT

# NSIS takes /D= only last and unquoted, spaces and all, while Wine quotes an argument with
# spaces: cmd hands the line on as it stands. The installer outlives cmd, so the prefix's
# processes are waited for.
wine cmd /c "$(winepath -w "$installer") /S /D=$install_dir" && wineserver -w ||
    fail "the silent install failed"
for file in bin/lumivane.exe bin/lumivane-cli.exe bin/Qt6Widgets.dll bin/Qt6Svg.dll \
    bin/platforms/qwindows.dll bin/styles/qwindowsvistastyle.dll \
    bin/iconengines/qsvgicon.dll share/lumivane/catalog/lenses.txt \
    share/lumivane/help/Welcome.htm share/lumivane/examples/Multiplex.hoprj Uninstall.exe; do
    [ -e "$unix_install/$file" ] || fail "$file was not installed"
done
start_menu_entry=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Lumivane\Lumivane.lnk')
[ -f "$start_menu_entry" ] || fail "there is no Start-menu entry"
association=$(wine reg query 'HKCR\hoprj\shell\open\command' /ve 2>/dev/null | tr -d '\r')
grep -qF 'lumivane.exe" "%1"' <<<"$association" || fail "project files do not open in Lumivane"

windows_cli() { wine "$unix_install/bin/lumivane-cli.exe" "$@" | tr -d '\r'; }
installed_example="$install_dir\\share\\lumivane\\examples\\Multiplex.hoprj"

# The installed program finds its catalog and computes what the Linux build computes.
for command in "report project" "report purchase" "dump"; do
    # shellcheck disable=SC2086
    expected=$("$linux_cli" $command "$example") || fail "Linux: $command failed"
    # shellcheck disable=SC2086
    actual=$(windows_cli $command "$installed_example") || fail "Windows: $command failed"
    [ "$expected" = "$actual" ] || {
        diff <(echo "$expected") <(echo "$actual") | head -20 >&2
        fail "$command differs between Windows and Linux"
    }
done

mkdir -p "$unix_projects"
saved="$projects_dir\\Kino ñ.hoprj"
windows_cli save "$installed_example" "$saved" >/dev/null || fail "saving into $projects_dir failed"
# Saving stamps the time of the last change; everything else reads back as it was.
without_last_change() { grep -v '"lastChange"'; }
[ "$(windows_cli dump "$saved" | without_last_change)" = \
    "$(windows_cli dump "$installed_example" | without_last_change)" ] ||
    fail "the project saved into $projects_dir reads back differently"

# A damaged project gets the same message as on Linux, and the file stays as it was.
printf 'not a project at all' >"$unix_projects/damaged.hoprj"
expected=$("$linux_cli" dump "$unix_projects/damaged.hoprj" 2>&1 >/dev/null || true)
actual=$(wine "$unix_install/bin/lumivane-cli.exe" dump "$projects_dir\\damaged.hoprj" 2>&1 \
    >/dev/null | tr -d '\r' || true)
[ -n "$expected" ] && [ "$(basename "$expected")" = "$(basename "$actual")" ] ||
    fail "a damaged project: Linux said '$expected', Windows '$actual'"

# Without _?= the uninstaller runs from a copy of itself, so it can remove itself and the folder.
wine "$unix_install/Uninstall.exe" /S && wineserver -w || fail "the silent uninstall failed"
if [ -d "$unix_install" ]; then
    left=$(cd "$unix_install" && find . -type f | head -5)
    [ -z "$left" ] || fail "the uninstaller left: $left"
fi
[ ! -e "$start_menu_entry" ] || fail "the Start-menu entry outlived the uninstall"
! wine reg query 'HKCR\hoprj' >/dev/null 2>&1 || fail "the project file type outlived the uninstall"
echo "installed silently into $install_dir, reports agree with Linux, uninstalled"
