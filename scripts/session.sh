# Sourced by the scripts that run programs: installs what is missing, builds (the targets in build_targets,
# or everything), starts the build tree's Wine session (display, simulator, wineserver) and stops it when
# the script ends. Sets root and build.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "${build_targets[@]}"
trap '"$root/cmake/wine-session.sh" stop "$build"' EXIT
"$root/cmake/wine-session.sh" start "$build"
