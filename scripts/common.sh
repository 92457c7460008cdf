# Shared by run.sh and test.sh: installs what is missing from Debian's packages and builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VARNOLTDBQ_BUILD_DIR:-$ROOT/build}"

# Everything the build, the tests and the tools they drive need.
PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  libdtl-dev libre2-dev libical-dev
  tnftp python3 python3-pyftpdlib
  poppler-utils
  desktop-file-utils appstream man-db dpkg-dev file
  libgraphviz-dev graphviz
  libcurl4-openssl-dev qtkeychain-qt6-dev
  openssh-server openssh-client openssl gnome-keyring dbus python3-openssl
)

# The sanitizer and fuzzing stages of test.sh: clang with libFuzzer, and the symbolizer that
# turns sanitizer reports into file and line.
FUZZ_PACKAGES=(clang libclang-rt-14-dev llvm)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "${PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}"
  fi
}

# A compiler cache, where one is installed, makes the builds of a fresh checkout quick. Paths
# below the checkout are hashed relative to it, so two checkouts share the cache.
CACHE_ARGS=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$ROOT"
  CACHE_ARGS=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

build() {
  local jobs
  jobs="$(nproc 2>/dev/null || echo 2)"
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "${CACHE_ARGS[@]}" "$@" >/dev/null
  cmake --build "$BUILD_DIR" -j "$jobs"
}

# Everything with AddressSanitizer and UndefinedBehaviorSanitizer, in its own directory beside
# the normal build. Optimised lightly, with line tables for the reports.
SANITIZE_BUILD_DIR="$BUILD_DIR-asan"
build_sanitized() {
  local jobs
  jobs="$(nproc 2>/dev/null || echo 2)"
  cmake -S "$ROOT" -B "$SANITIZE_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DVARNOLTDBQ_SANITIZE=ON -DBUILD_BENCH=OFF \
    "${CACHE_ARGS[@]}" "$@" >/dev/null
  cmake --build "$SANITIZE_BUILD_DIR" -j "$jobs"
}
