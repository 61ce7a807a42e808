#!/usr/bin/env bash
# Builds the game and its Debian package, build/package/zambrel_VERSION_ARCH.deb,
# and checks the package with lintian (an error or a warning fails). Prints the
# package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
tests/install/check_package.sh build build/package
