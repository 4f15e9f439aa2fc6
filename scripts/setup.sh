# Sourced by ./run and ./test: installs the Debian packages the build, the game and the tests
# need (only those missing), then configures and builds into build/.
ZARLE_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6-dev
  libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgtest-dev libgmock-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-freefont-ttf
  xvfb xdotool imagemagick xauth openbox x11-xkb-utils
  pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev
)

zarle_install_packages() {
  local missing=()
  for pkg in "${ZARLE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

zarle_build() {
  cmake -S . -B build -G Ninja
  cmake --build build
}

# The fuzz build in build-fuzz/ (clang with libFuzzer and the sanitizers), run for a few
# seconds per target; skipped with a note where clang is not installed.
zarle_fuzz_short() {
  if ! command -v clang++ >/dev/null; then
    echo "Fuzz targets skipped: clang++ is not installed."
    return 0
  fi
  cmake -S . -B build-fuzz -G Ninja -DZARLE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-fuzz
  if ! ctest --test-dir build-fuzz -N | grep -q '^Total Tests: [1-9]'; then
    echo "Fuzz targets skipped: the fuzz build holds no targets."
    return 0
  fi
  ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)"
}
