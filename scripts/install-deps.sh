#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12; quick when all is there. Runs as root or
# as a user with sudo.
set -euo pipefail
# fonts-wine: Wine's own fonts (a recommendation of Wine's, which an install without recommended packages
# leaves out): the symbol font of the caption buttons, Tahoma and MS Sans Serif for the dialogs.
# fonts-croscore: faces with the metrics of Arial, Times New Roman and Courier New. The Wine session puts both
# in place (cmake/wine-session.sh).
pkgs=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine
      fonts-croscore xvfb xauth googletest python3 locales x11-utils)
# ghostscript: the printer tests render the test printers' PostScript pages.
pkgs+=(ghostscript)
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# Wine takes decimal and list separators and the user language from these locales.
locale_gen=${TQ5_LOCALE_GEN:-/etc/locale.gen}
need_locales=(de_DE.UTF-8 en_US.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
gen=0
for l in "${need_locales[@]}"; do
    key=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    if ! grep -qx "$key" <<<"$have"; then
        if grep -q "^# *$l UTF-8" "$locale_gen" 2>/dev/null; then
            "${as_root[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" "$locale_gen"
        elif ! grep -q "^$l UTF-8" "$locale_gen" 2>/dev/null; then
            echo "$l UTF-8" | "${as_root[@]}" tee -a "$locale_gen" >/dev/null
        fi
        gen=1
    fi
done
[ $gen -eq 1 ] && "${as_root[@]}" locale-gen >/dev/null
exit 0
