#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12; quick when all is there.
set -euo pipefail
pkgs=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
      xvfb xauth googletest python3 locales x11-utils)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# Wine takes decimal and list separators and the user language from these locales.
need_locales=(de_DE.UTF-8 en_US.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
gen=0
for l in "${need_locales[@]}"; do
    key=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    if ! grep -qx "$key" <<<"$have"; then
        sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen 2>/dev/null || true
        grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" >>/etc/locale.gen
        gen=1
    fi
done
[ $gen -eq 1 ] && locale-gen >/dev/null
exit 0
