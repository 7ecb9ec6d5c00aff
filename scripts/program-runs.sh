# Sourced by the scripts that wait for the program; needs build.
# True while a TQ5.exe of this session's Wine prefix runs (a restarted instance is a process of its own).
program_runs() {
    local pid
    for pid in $(pgrep -x TQ5.exe); do
        # A process may end between the listing and the reading.
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$build/wine/prefix" && return 0
    done
    return 1
}
