#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds and either starts the designer or runs
# every test.   usage: ./build.sh run | test
set -euo pipefail
cd "$(dirname "$0")"

# Every package CMake and the tests need: Qt5Core/Gui/Widgets/Network/Test come with
# qtbase5-dev, Qt5Qml with qtdeclarative5-dev, Qt5Multimedia with qtmultimedia5-dev,
# Qt5LinguistTools with qttools5-dev (lrelease itself with qttools5-dev-tools);
# qttranslations5-l10n holds Qt's own translations, so that its buttons and file
# dialogs (Yes, Save, Cancel) follow the language chosen at start.
PACKAGES=(build-essential cmake ccache qtbase5-dev qtdeclarative5-dev qtmultimedia5-dev
          qttools5-dev qttools5-dev-tools qttranslations5-l10n fonts-noto-cjk xvfb xauth)

install_missing() {
    local missing=() pkg
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    # A root shell (or a minimal Debian) has no sudo; others escalate for apt alone,
    # keeping the non-interactive front end through the escalation.
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    [ "$(id -u)" -ne 0 ] && apt=(sudo "${apt[@]}")
    "${apt[@]}" update
    "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
run)
    install_missing
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANE_TESTS=OFF
    cmake --build build -j "$jobs"
    cd build
    exec ./brivane
    ;;
test)
    install_missing
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRIVANE_SANITIZE=ON -DBRIVANE_TESTS=ON
    cmake --build build-asan -j "$jobs"
    cd build-asan
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
