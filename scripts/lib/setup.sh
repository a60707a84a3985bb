# Shared by scripts/run and scripts/test: install what is missing, configure and build.
# Sourced with the repository root as the working directory.

QORVEL_PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-webengine-dev qt6-qpa-plugins libgl-dev
    libjpeg-dev libicu-dev libgtest-dev libbenchmark-dev
    fonts-ipafont-gothic xvfb xauth
)

install_missing_packages() {
    local missing=()
    local package
    for package in "${QORVEL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
