#!/usr/bin/env bash
# Installs with apt whatever the build and the tests need and is missing.
# Usage: scripts/deps.sh run|test|package
set -euo pipefail
want=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
      fonts-comic-neue fonts-liberation2)
# The package: dpkg-buildflags and dpkg-shlibdeps, and file, which CPack uses
# to find the programs among the installed files.
if [ "${1:-run}" != run ]; then
  want+=(dpkg-dev file)
fi
if [ "${1:-run}" = test ]; then
  # Checks of the desktop entry, the AppStream metadata and the package.
  want+=(desktop-file-utils appstream lintian)
  want+=(libgeographiclib-dev libproj-dev proj-data poppler-utils libbenchmark-dev clang-format)
  # Sanitizer and fuzz stages: clang, its runtimes (ASan, UBSan, libFuzzer) and
  # llvm-symbolizer for readable reports.
  want+=(clang libclang-rt-14-dev llvm-14)
fi
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
