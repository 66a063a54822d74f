#!/usr/bin/env bash
# Builds a Release without the tests and makes the Debian package in build-package/.
# Install it with: sudo apt-get install ./build-package/der-ed_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed" || {
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq dpkg-dev >/dev/null
}
# Debian's hardening flags, as a Debian build would pass them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DDERED_WITH_TESTS=OFF -DDERED_WITH_BENCH=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/der-ed_*.deb
