#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Idempotent: when every package is present it changes nothing and asks for no network.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev nlohmann-json3-dev fonts-wqy-microhei
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
)
# Extra packages a later part of the project asks for (e.g. test peers) are listed here.
if [ -f "$(dirname "$0")/packages.extra" ]; then
    mapfile -t -O "${#PACKAGES[@]}" PACKAGES < <(grep -v '^#' "$(dirname "$0")/packages.extra" | tr -s ' \n' '\n' | sed '/^$/d')
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "setup: installing ${missing[*]}" >&2
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
