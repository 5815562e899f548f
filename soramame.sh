#!/usr/bin/env bash
# Sets up a Debian 12 machine for ソラマメ, builds it, and then starts it or runs the tests.
#   ./soramame.sh start [program options]   build and start the program
#   ./soramame.sh test                      build and run every test through ctest
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
packages=(cmake g++ ninja-build qt6-base-dev fonts-ipafont-gothic fonts-ipafont-mincho
          xdg-utils qt6-translations-l10n poppler-utils gnugo
          libqrencode-dev libzbar-dev pkg-config)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing. Install them as root, then run this again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build_program() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
    start)
        shift
        install_missing_packages
        build_program
        # The games live outside the build folder, so that a clean rebuild never touches them.
        case " $* " in
            *" --data-root"*) exec "$build/src/app/soramame" "$@" ;;
            *) exec "$build/src/app/soramame" --data-root "$HOME/ソラマメ" "$@" ;;
        esac
        ;;
    test)
        install_missing_packages
        build_program
        ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 start [--data-root DIR] | test" >&2
        exit 2
        ;;
esac
