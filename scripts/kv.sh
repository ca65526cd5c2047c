#!/usr/bin/env bash
# Sets up a Debian 12 machine for the KV2841A register tool, builds it, and then
# opens the window (run), runs every test and every fuzz target briefly (test)
# or makes the Debian package in build/ (package).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev
          libbenchmark-dev fonts-wqy-microhei python3-fonttools xvfb xauth xdotool
          librsvg2-bin help2man dpkg-dev lintian desktop-file-utils appstream x11-utils
          qt6-translations-l10n acl clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)"
}

# The core, the batch tool and their tests once more with AddressSanitizer and
# UndefinedBehaviorSanitizer: any memory fault or undefined behaviour fails.
sanitized_test() {
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=ON \
          -DKV_BUILD_GUI=OFF
    cmake --build build-sanitize -j"$(nproc)"
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
}

case "${1:-}" in
    run)
        install_missing
        build
        exec ./build/app/kv2841a
        ;;
    test)
        install_missing
        build
        QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
        sanitized_test
        # Every fuzz target for 10 s from its seeds: a finding fails the run.
        bash fuzz/run.sh 10
        ;;
    package)
        install_missing
        build
        cpack --config build/CPackConfig.cmake -B build
        ;;
    *)
        echo "usage: scripts/kv.sh run|test|package" >&2
        exit 2
        ;;
esac
