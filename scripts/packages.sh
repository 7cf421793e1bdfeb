# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages named as arguments when any is missing.
# Sourced by the run and test commands; quick when everything is there.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing missing packages: ${missing[*]}"
    # Stages of the test command that run side by side take turns with apt.
    (
        flock 9
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
    ) 9>"${TMPDIR:-/tmp}/tallyfox-apt.lock"
}

# Clang with the run-time libraries of its sanitizers and of libFuzzer, whose
# package is named after clang's major version (libclang-rt-14-dev on
# Debian 12, libclang-rt-19-dev on Debian 13): the installed clang says which.
ensure_clang_sanitizers() {
    ensure_packages clang
    ensure_packages "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
}

# Generates locales of the C library (e.g. he_IL.UTF-8) once, those that
# `locale -a` does not list yet: tests that run under a language need them
# besides Qt's. One locale-gen run makes all that are missing.
ensure_locale() {
    local missing=()
    local name
    for name in "$@"; do
        [ -n "$name" ] || continue
        locale -a 2>/dev/null | grep -qixF -e "$name" -e "${name/.UTF-8/.utf8}" ||
            missing+=("$name")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    ensure_packages locales
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    for name in "${missing[@]}"; do
        if ! grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null; then
            echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo[@]}" locale-gen
}

# The decimal-comma test runs need the C library's German locale as well as Qt's.
ensure_german_locale() {
    ensure_locale de_DE.UTF-8
}

# What building the program needs (Python writes the desktop entry and the
# AppStream data in every language).
build_packages=(cmake ninja-build g++ python3 qt6-base-dev fonts-liberation2 fonts-noto-ui-core fonts-noto-cjk
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

# What the screen-reader test needs besides: Orca, speech-dispatcher with a
# voice, a virtual display with a window manager, and keys typed into it.
screen_reader_test_packages=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    xvfb xauth xdotool openbox dbus-daemon at-spi2-core)
