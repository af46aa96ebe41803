#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed lumivane-cli from "/", where no
# catalog lies about, to show the program finds its shipped data through its own location.
# usage: InstalledProgram.sh CMAKE BUILD_DIR
set -euo pipefail

cmake_command=$1
build_dir=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null

for file in bin/lumivane bin/lumivane-cli share/lumivane/catalog/lenses.txt \
    share/lumivane/help/Welcome.htm share/applications/org.lumivane.Lumivane.desktop \
    share/metainfo/org.lumivane.Lumivane.metainfo.xml share/mime/packages/lumivane.xml \
    share/icons/hicolor/scalable/apps/lumivane.svg \
    share/icons/hicolor/48x48/apps/lumivane.png \
    share/icons/hicolor/256x256/mimetypes/application-x-lumivane-project.png; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done

cd /
full=$("$prefix/bin/lumivane-cli" report products) || fail "report products failed"
grep -q '48-204107' <<<"$full" || fail "the installed program printed no lens catalog"

# Cut the installed catalog to its first lens: the report must follow, which proves it was read
# from the prefix rather than from the source tree the build also knows.
head -n 1 "$prefix/share/lumivane/catalog/lenses.txt" >"$prefix/lenses.txt"
mv "$prefix/lenses.txt" "$prefix/share/lumivane/catalog/lenses.txt"
cut=$("$prefix/bin/lumivane-cli" report products) || fail "report products failed on the cut catalog"
grep -q '48-204100' <<<"$cut" || fail "the cut catalog's one lens is missing"
! grep -q '48-204107' <<<"$cut" || fail "the report did not come from the installed catalog"

if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime" >/dev/null
    grep -q 'application/x-lumivane-project:\*\.hoprj' "$prefix/share/mime/globs2" ||
        fail "the project file type does not claim *.hoprj"
fi
echo "installed program ran from / with its own catalog"
