# Sourced by scripts/run and scripts/test: installs what is missing,
# configures and builds into build/. A second call rebuilds only what changed.
set -euo pipefail

NORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
NORVANE_BUILD="$NORVANE_ROOT/build"
NORVANE_PACKAGES=(git g++ cmake ninja-build qt6-base-dev libfontconfig-dev fonts-ipafont-gothic
  libbenchmark-dev clang-tidy clang-format qt6-qpa-plugins xvfb xdotool
  desktop-file-utils appstream file dpkg-dev dbus-daemon weston qt6-wayland at-spi2-core
  python3-pyatspi orca openbox qt6-gtk-platformtheme xauth libegl-mesa0 libgl1-mesa-dri
  poppler-utils khal cups-daemon cups-client cups-filters python3-dbusmock dunst lintian)

norvane_missing_packages() {
  local pkg missing=()
  for pkg in "${NORVANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[*]}"
}

norvane_install_packages() {
  local missing
  missing=$(norvane_missing_packages)
  [ -z "$missing" ] && return 0
  local apt=()
  if [ "$(id -u)" -eq 0 ]; then
    apt=(apt-get)
  elif command -v sudo >/dev/null 2>&1; then
    apt=(sudo apt-get)
  else
    echo "norvane: please install these Debian packages first: $missing" >&2
    exit 1
  fi
  echo "norvane: installing $missing" >&2
  "${apt[@]}" update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq $missing >&2
}

norvane_build() {
  if [ ! -f "$NORVANE_BUILD/build.ninja" ]; then
    cmake -S "$NORVANE_ROOT" -B "$NORVANE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$NORVANE_BUILD"
}

norvane_install_packages
norvane_build
