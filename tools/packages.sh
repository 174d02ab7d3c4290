# Debian packages the build and the tests need, and an installer that only
# calls apt-get when something is missing. Sourced by run.sh and test.sh.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-ttf-dev libpng-dev
                zlib1g-dev libgl-dev fonts-dejavu-core libfontconfig-dev)
TEST_PACKAGES=(googletest libgtest-dev libbenchmark-dev xvfb xauth openbox libgl1-mesa-dri libopenal-dev libsndfile1-dev
               clang libclang-rt-14-dev)

ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
