#!/bin/sh
# Registers Godsmith, in the folder where this script lies, in the current
# user's application menu: its desktop entry, its icon and the file type of
# god files (*.god, which file managers then open with the editor) under
# ~/.local/share.
#   ./register-desktop.sh           register (again, after moving the folder)
#   ./register-desktop.sh --remove  take the entry, icon and file type away
set -eu
folder=$(cd "$(dirname "$0")" && pwd)
share=${XDG_DATA_HOME:-$HOME/.local/share}
entry=$share/applications/godsmith.desktop
svg=$share/icons/hicolor/scalable/apps/godsmith.svg
png=$share/icons/hicolor/256x256/apps/godsmith.png
mime=$share/mime/packages/godsmith.xml

refresh() {
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database "$share/applications" >/dev/null 2>&1 || true
    fi
    if command -v update-mime-database >/dev/null 2>&1; then
        update-mime-database "$share/mime" >/dev/null 2>&1 || true
    fi
}

case "${1:-}" in
--remove)
    rm -f "$entry" "$svg" "$png" "$mime"
    refresh
    echo "Removed $entry"
    exit 0
    ;;
"") ;;
*)
    echo "usage: $0 [--remove]" >&2
    exit 2
    ;;
esac

# Exec takes the program as one quoted argument: ", `, $ and \ are escaped
# inside the quotes, % is doubled, and then every \ once more for the
# entry's string value; %f after it is the file to open. Path takes a plain
# string value.
quoted=$(printf '%s' "$folder/godsmith" | sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g')
path=$(printf '%s' "$folder" | sed -e 's/\\/\\\\/g')

mkdir -p "$(dirname "$entry")" "$(dirname "$svg")" "$(dirname "$png")" "$(dirname "$mime")"
cp "$folder/godsmith.svg" "$svg"
cp "$folder/godsmith.png" "$png"
cp "$folder/godsmith-mime.xml" "$mime"
sed -e "s|^Exec=.*|Exec=\"$(printf '%s' "$quoted" | sed 's/[|&\\]/\\&/g')\" %f|" \
    -e "s|^Type=Application|&\nPath=$(printf '%s' "$path" | sed 's/[|&\\]/\\&/g')|" \
    "$folder/godsmith.desktop" >"$entry"
refresh
echo "Registered $entry"
